#include "parts/mix_mode.h"

namespace pelterra {

ControlName bitwiseOption(MixWindow window) {
    return window == MixWindow::Main ? ctl::optPelterra : ctl::optEQPelterra;
}

ControlName additiveOption(MixWindow window) { return window == MixWindow::Main ? ctl::optSeken : ctl::optEQSeken; }

MixMode mixMode(const Document& doc, MixWindow window, int k) {
    return doc.isSelected(bitwiseOption(window), k) ? MixMode::Bitwise : MixMode::Additive;
}

bool usesBitwise(const Document& doc, MixWindow window, int k) { return mixMode(doc, window, k) == MixMode::Bitwise; }

void SetMixMode(Document& doc, MixWindow window, int k, MixMode mode) {
    doc.select(mode == MixMode::Bitwise ? bitwiseOption(window) : additiveOption(window), k);
}

void SetEveryMixMode(Document& doc, MixMode mode) {
    for (int k = 0; k < kMixRowCount; ++k) {
        SetMixMode(doc, MixWindow::Main, k, mode);
        SetMixMode(doc, MixWindow::Equalizer, k, mode);
    }
}

}  // namespace pelterra
