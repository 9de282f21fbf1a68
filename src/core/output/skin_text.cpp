#include "output/skin_text.h"

#include <cstdio>

namespace pelterra {

std::vector<std::string> AspLines(const Document& doc) {
    return {"[Advanced Skin Plug-In]",
            std::string("Winamp.Equalizer.Position=") + (doc.isChecked("EqUporDown") ? "3" : "1")};
}

std::vector<std::string> MaronLines(const Document& doc) {
    const std::string crlf = "\r\n";
    std::string text = "[MARON]" + crlf;
    text += "AnalyzerMode = " + std::to_string(doc.value("MaronCombo1")) + crlf;
    text += "BlendMethod = " + std::to_string(doc.value("MaronCombo2")) + crlf;
    text += "Ratio = " + doc.text("MaronText") + crlf;
    text += "Enable = " + std::to_string(doc.value("MaronCheck1")) + crlf;
    text += "Peaks = " + std::to_string(doc.value("MaronCheck2")) + crlf;
    text += "Rain = " + std::to_string(doc.value("MaronCheck3")) + crlf;
    return {text};
}

std::string PleditColour(Colour c) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "%02X%02X%02X", GetRed(c), GetGreen(c), GetBlue(c));
    return hex;
}

void BuildPleditText(Document& doc) {
    const std::string crlf = "\r\n";
    const std::string colours = "Normal=#" + PleditColour(doc.swatch("PicPleditNormal")) + crlf +
                                "NormalBG=#" + PleditColour(doc.swatch("PicPleditNormalBG")) + crlf +
                                "SelectedBG=#" + PleditColour(doc.swatch("PicPleditSelectedBG")) + crlf +
                                "Current=#" + PleditColour(doc.swatch("PicPleditCurrent")) + crlf;
    // Before any font was chosen there is no font to name: an empty "Font=" line would only ask
    // the player for a font called "".
    const std::string& font = doc.text("PleditFonts");
    doc.setText("Text1", "[Text]" + crlf + (font.empty() ? "" : "Font=" + font + crlf) + colours);
    doc.setText("Text2", "[Text]" + crlf + colours);
}

std::vector<std::string> PleditLines(const Document& doc) {
    return {doc.isChecked("chkPLFont") ? doc.text("Text2") : doc.text("Text1")};
}

}  // namespace pelterra
