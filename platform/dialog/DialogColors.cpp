#include "DialogColors.h"

namespace {

std::optional<DialogColors>& Colors()
{
    static std::optional<DialogColors> colors;
    return colors;
}

} // namespace

void SetApplicationDialogColors(DialogColors colors)
{
    Colors() = colors;
}

std::optional<DialogColors> ApplicationDialogColors()
{
    return Colors();
}
