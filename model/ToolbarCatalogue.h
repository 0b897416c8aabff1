// The buttons the customisable toolbars offer: the main toolbar's catalogue with its
// default set, the folder toolbar's default layout, and the rules of the customise dialog.
#pragma once

#include "CommandCatalogue.h"
#include "OsKind.h"
#include "ToolbarFile.h"
#include "ToolbarIconSize.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sv
{

// One button the customise dialog offers, and whether its reset restores it.
struct CatalogueEntry
{
    ToolbarButton button;
    bool isDefault = false;
    friend bool operator==(const CatalogueEntry&, const CatalogueEntry&) = default;
};

using ToolbarCatalogue = std::vector<CatalogueEntry>;

inline constexpr int kMainToolbarImageCount = 37;
inline constexpr int kFolderToolbarImageCount = 11;

// The image of the folder toolbar's address field (cmd::kAddressField) while the customise
// dialog shows it as a plain button.
inline constexpr int32_t kAddressFieldImage = 7;
inline bool IsAddressField(const ToolbarButton& button)
{
    return button.command == static_cast<int32_t>(cmd::kAddressField);
}
// The last entries of the folder layout (maximise, close) always end it and are never
// offered for customising.
inline constexpr size_t kFolderLayoutFixedTail = 2;

// The tooltip text of a toolbar command, as the customise dialog and the chevron menu show
// it; empty for a command no toolbar has.
std::wstring ToolbarButtonText(int32_t command);
// A command's string resource holds the status-line text, a line break and the tooltip.
std::wstring_view TextAfterFirstLineBreak(std::wstring_view resource);
// A text cut to a dialog's buffer of `bufferChars` characters, terminator included.
std::wstring CutToBuffer(std::wstring_view text, int bufferChars);

// The 37 buttons the main toolbar is created with (image i on entry i), drop-down styles set.
std::vector<ToolbarButton> MainToolbarButtons();
// Leaves out the view buttons the system does not offer.
void RemoveSystemDependentButtons(std::vector<ToolbarButton>& buttons, OsKind os);
// Every button, in order, none marked as default yet.
ToolbarCatalogue RecordCatalogue(std::span<const ToolbarButton> buttons);
// An entry is a default when its command is on the toolbar now; separators always are.
void MarkDefaults(ToolbarCatalogue& catalogue, std::span<const ToolbarButton> onToolbar);
// What the customise dialog's reset puts on the toolbar: the defaults in catalogue order.
std::vector<ToolbarButton> ResetButtons(const ToolbarCatalogue& catalogue);

struct MainToolbarSetup
{
    ToolbarCatalogue catalogue;
    std::vector<ToolbarButton> defaultButtons; // the toolbar before its file is loaded
};
MainToolbarSetup BuildMainToolbarSetup(OsKind os);

// The folder toolbar when "ToolBarFolder" is missing or unreadable.
std::vector<ToolbarButton> DefaultFolderLayout();
// A layout read from the file, or the default when the file gave no buttons.
std::vector<ToolbarButton> FolderLayoutOrDefault(std::vector<ToolbarButton> fromFile);

// The customise dialog of the folder toolbar: the catalogue (the default layout without its
// fixed tail), the buttons it starts with, and the layout it leaves.
ToolbarCatalogue FolderCustomiseCatalogue();
std::vector<ToolbarButton> FolderButtonsForCustomising(std::span<const ToolbarButton> layout);
std::vector<ToolbarButton> FolderLayoutAfterCustomising(std::span<const ToolbarButton> edited,
                                                        std::span<const ToolbarButton> layout);

// Hidden buttons and the address field stay on the toolbar.
bool CanDeleteInCustomise(const ToolbarButton& button);

// Every visible button but separators sizes itself to its text.
void SetAutoSize(std::vector<ToolbarButton>& buttons);

// Image lists of one icon size setting (0 small, 1 medium, 2 large).
struct ToolbarImages
{
    int imageSize;
    int normalBitmap;
    int disabledBitmap;
    friend bool operator==(const ToolbarImages&, const ToolbarImages&) = default;
};
ToolbarImages MainToolbarImages(ToolbarIconSize size);
ToolbarImages FolderToolbarImages(ToolbarIconSize size);
// A length in pixels at 96 dpi on a screen of `dpi`.
inline int ScaledForDpi(int pixels, int dpi)
{
    return (pixels * dpi + 48) / 96;
}
// Buttons are 7 wider and 6 higher than their image; the margin grows with the screen's dpi,
// the images come in their own sizes.
inline int ToolbarButtonWidth(int imageSize, int dpi = 96)
{
    return imageSize + ScaledForDpi(7, dpi);
}
inline int ToolbarButtonHeight(int imageSize, int dpi = 96)
{
    return imageSize + ScaledForDpi(6, dpi);
}
// The height shared by the main, favorites and drives bars: 22, 26 or 30 at 96 dpi.
int CommonBarHeight(ToolbarIconSize mainSize, int dpi = 96);
// The icon size setting both toolbars start with on a screen of `dpi`: the largest strip not
// above the medium one's 20 pixels grown by the dpi, so 24-pixel images from 120 dpi on.
ToolbarIconSize DefaultToolbarIconSize(int dpi);

} // namespace sv
