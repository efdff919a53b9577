#include "gradient/PatternGenerators.h"

namespace tintara {

const std::array<PatternGenerator, kGradientStyleCount> PatternGenerators = {
    nullptr,  // gsCustom: drawn by the control's own event
    GenerateRadialC,
    GenerateRadialT,
    GenerateRadialB,
    GenerateRadialL,
    GenerateRadialR,
    GenerateRadialTL,
    GenerateRadialTR,
    GenerateRadialBL,
    GenerateRadialBR,
    GenerateLinearH,
    GenerateLinearV,
    GenerateReflectedH,
    GenerateReflectedV,
    GenerateDiagonalLF,
    GenerateDiagonalLB,
    GenerateDiagonalRF,
    GenerateDiagonalRB,
    GenerateArrowL,
    GenerateArrowR,
    GenerateArrowU,
    GenerateArrowD,
    GenerateDiamond,
    GenerateButterfly,
    GenerateRadialRect,
};

}  // namespace tintara
