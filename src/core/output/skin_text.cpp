#include "output/skin_text.h"

#include <cstdio>

namespace pelterra {

std::vector<std::string> AspLines(const Document& doc) {
    return {"[Advanced Skin Plug-In]",
            std::string("Winamp.Equalizer.Position=") + (doc.isChecked(ctl::EqUporDown) ? "3" : "1")};
}

std::vector<std::string> MaronLines(const Document& doc) {
    const std::string crlf = "\r\n";
    std::string text = "[MARON]" + crlf;
    text += "AnalyzerMode = " + std::to_string(doc.value(ctl::MaronCombo1)) + crlf;
    text += "BlendMethod = " + std::to_string(doc.value(ctl::MaronCombo2)) + crlf;
    text += "Ratio = " + doc.text(ctl::MaronText) + crlf;
    text += "Enable = " + std::to_string(doc.value(ctl::MaronCheck1)) + crlf;
    text += "Peaks = " + std::to_string(doc.value(ctl::MaronCheck2)) + crlf;
    text += "Rain = " + std::to_string(doc.value(ctl::MaronCheck3)) + crlf;
    return {text};
}

std::string PleditColour(Colour c) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "%02X%02X%02X", GetRed(c), GetGreen(c), GetBlue(c));
    return hex;
}

void BuildPleditText(Document& doc) {
    const std::string crlf = "\r\n";
    const std::string colours = "Normal=#" + PleditColour(doc.swatch(ctl::PicPleditNormal)) + crlf +
                                "NormalBG=#" + PleditColour(doc.swatch(ctl::PicPleditNormalBG)) + crlf +
                                "SelectedBG=#" + PleditColour(doc.swatch(ctl::PicPleditSelectedBG)) + crlf +
                                "Current=#" + PleditColour(doc.swatch(ctl::PicPleditCurrent)) + crlf;
    // Before any font was chosen there is no font to name: an empty "Font=" line would only ask
    // the player for a font called "".
    const std::string& font = doc.text(ctl::PleditFonts);
    doc.setText(ctl::Text1, "[Text]" + crlf + (font.empty() ? "" : "Font=" + font + crlf) + colours);
    doc.setText(ctl::Text2, "[Text]" + crlf + colours);
}

std::vector<std::string> PleditLines(const Document& doc) {
    return {doc.isChecked(ctl::chkPLFont) ? doc.text(ctl::Text2) : doc.text(ctl::Text1)};
}

}  // namespace pelterra
