#include "filter/amplitude_click.h"

#include "filter/design.h"
#include "filter/number_text.h"

namespace lchp {

DesignOutcome ReadDesign(FilterState& state, const AmplitudeTexts& texts) {
    DesignOutcome outcome;
    state.Fo = ReadLeadingNumber(texts.Fo);
    state.R = ReadLeadingNumber(texts.R);
    if (state.Fo == 0 || state.R == 0) {
        return outcome;
    }
    state.Rt = TypeResistance(state.R, texts.type);
    const Design design = DesignValues(state.Fo, state.Rt);
    state.L = design.L;
    state.C = design.C;
    state.Fmax = ReadLeadingNumber(texts.Fmax);
    state.Passo = ReadLeadingNumber(texts.Passo);
    outcome.designed = true;
    outcome.L = NumberToText(state.L);
    outcome.C = NumberToText(state.C);
    outcome.Fmax = NumberToText(state.Fmax);
    outcome.sweep = state.Fmax != 0 && state.Passo != 0;
    return outcome;
}

} // namespace lchp
