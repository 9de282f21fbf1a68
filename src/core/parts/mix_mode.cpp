#include "parts/mix_mode.h"

namespace pelterra {

std::string_view pelterraOption(MixWindow window) {
    return window == MixWindow::Main ? "optPelterra" : "optEQPelterra";
}

std::string_view sekenOption(MixWindow window) { return window == MixWindow::Main ? "optSeken" : "optEQSeken"; }

MixMode mixMode(const Document& doc, MixWindow window, int k) {
    return doc.isSelected(pelterraOption(window), k) ? MixMode::Pelterra : MixMode::Seken;
}

bool usesBitwise(const Document& doc, MixWindow window, int k) {
    return mixMode(doc, window, k) == MixMode::Pelterra;
}

void setMixMode(Document& doc, MixWindow window, int k, MixMode mode) {
    doc.select(mode == MixMode::Pelterra ? pelterraOption(window) : sekenOption(window), k);
}

void AllPelterra(Document& doc) {
    for (int k = 0; k < kMixPositionCount; ++k) {
        setMixMode(doc, MixWindow::Main, k, MixMode::Pelterra);
        setMixMode(doc, MixWindow::Equalizer, k, MixMode::Pelterra);
    }
}

void AllSeken(Document& doc) {
    for (int k = 0; k < kMixPositionCount; ++k) {
        setMixMode(doc, MixWindow::Main, k, MixMode::Seken);
        setMixMode(doc, MixWindow::Equalizer, k, MixMode::Seken);
    }
}

}  // namespace pelterra
