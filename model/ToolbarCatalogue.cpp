#include "ToolbarCatalogue.h"

#include "CommandCatalogue.h"
#include "res/resource.h"

#include <algorithm>
#include <array>

namespace sv
{

namespace
{
// The main toolbar's strip holds one image per catalogue button.
static_assert(kMainToolbarImageCount == 37);

using namespace cmd;

// Not on the main toolbar until the user adds them.
constexpr std::array kMainNonDefaults{kConnectNetworkDrive,
                                      kDisconnectNetworkDrive,
                                      kSelectSome,
                                      kGoBack,
                                      kGoForward,
                                      kGoUp,
                                      kGoDriveRoot,
                                      kFirstViewButton + 0,
                                      kFirstViewButton + 1,
                                      kFirstViewButton + 2,
                                      kFirstViewButton + 3,
                                      kFirstViewButton + 4,
                                      kFirstViewButton + 5,
                                      kFirstViewButton + 6,
                                      kFirstViewButton + 7,
                                      kFirstViewButton + 8,
                                      kDeleteWithoutRecycleBin,
                                      kExternalSearch,
                                      kShowHiddenItems};
// The shell's views from Vista on (extra large, large, medium, smaller icons), and the ones
// before it (thumbnails, icons).
constexpr std::array kViewsFromVista{kFirstViewButton + 0, kFirstViewButton + 1, kFirstViewButton + 2,
                                     kFirstViewButton + 3};
constexpr std::array kViewsBeforeVista{kFirstViewButton + 4, kFirstViewButton + 6};

template <size_t N> bool Contains(const std::array<uint32_t, N>& commands, int32_t command)
{
    return std::find(commands.begin(), commands.end(), static_cast<uint32_t>(command)) != commands.end();
}

ToolbarButton Button(int32_t image, uint32_t command, uint8_t style)
{
    ToolbarButton button;
    button.image = image;
    button.command = static_cast<int32_t>(command);
    button.style = style;
    return button;
}

void AsAddressButton(ToolbarButton& button)
{
    button.style = kButtonStyleButton;
    button.image = kAddressFieldImage;
}
} // namespace

std::wstring ToolbarButtonText(int32_t command)
{
    return command > 0 ? CommandToolTip(static_cast<uint32_t>(command)) : std::wstring();
}

std::wstring_view TextAfterFirstLineBreak(std::wstring_view resource)
{
    const size_t lineBreak = resource.find(L'\n');
    return lineBreak == std::wstring_view::npos ? resource : resource.substr(lineBreak + 1);
}

std::wstring CutToBuffer(std::wstring_view text, int bufferChars)
{
    if (bufferChars <= 0) return std::wstring();
    return std::wstring(text.substr(0, static_cast<size_t>(bufferChars - 1)));
}

std::vector<ToolbarButton> MainToolbarButtons()
{
    std::vector<ToolbarButton> buttons(kMainToolbarImageCount);
    for (const CommandInfo& info : Commands())
    {
        if (info.mainImage < 0 || info.mainImage >= kMainToolbarImageCount) continue;
        uint8_t style = kButtonStyleButton;
        if (info.id == kViewsDropDown || info.id == kFilterDropDown)
            style = kButtonStyleWholeDropDown;
        else if (info.id == kGoBack || info.id == kGoForward)
            style = kButtonStyleDropDown;
        buttons[static_cast<size_t>(info.mainImage)] = Button(info.mainImage, info.id, style);
    }
    return buttons;
}

void RemoveSystemDependentButtons(std::vector<ToolbarButton>& buttons, OsKind os)
{
    std::erase_if(buttons,
                  [&](const ToolbarButton& button)
                  {
                      return os >= OsKind::WinVista ? Contains(kViewsBeforeVista, button.command)
                                                    : Contains(kViewsFromVista, button.command);
                  });
}

ToolbarCatalogue RecordCatalogue(std::span<const ToolbarButton> buttons)
{
    ToolbarCatalogue catalogue;
    for (const auto& button : buttons)
        catalogue.push_back(CatalogueEntry{button, false});
    return catalogue;
}

void MarkDefaults(ToolbarCatalogue& catalogue, std::span<const ToolbarButton> onToolbar)
{
    for (auto& entry : catalogue)
    {
        const int32_t command = entry.button.command;
        entry.isDefault =
            command <= 0 || std::any_of(onToolbar.begin(), onToolbar.end(),
                                        [&](const ToolbarButton& b) { return b.command == command; });
    }
}

std::vector<ToolbarButton> ResetButtons(const ToolbarCatalogue& catalogue)
{
    std::vector<ToolbarButton> buttons;
    for (const auto& entry : catalogue)
    {
        if (entry.isDefault) buttons.push_back(entry.button);
    }
    return buttons;
}

MainToolbarSetup BuildMainToolbarSetup(OsKind os)
{
    std::vector<ToolbarButton> buttons = MainToolbarButtons();
    RemoveSystemDependentButtons(buttons, os);
    MainToolbarSetup setup;
    setup.catalogue = RecordCatalogue(buttons);
    std::erase_if(buttons,
                  [](const ToolbarButton& button) { return Contains(kMainNonDefaults, button.command); });
    MarkDefaults(setup.catalogue, buttons);
    setup.defaultButtons = std::move(buttons);
    return setup;
}

std::vector<ToolbarButton> DefaultFolderLayout()
{
    return {
        Button(0, cmd::kGoBack, kButtonStyleDropDown),
        Button(1, cmd::kGoForward, kButtonStyleDropDown),
        Button(2, cmd::kGoUp, kButtonStyleButton),
        Button(3, cmd::kGoDriveRoot, kButtonStyleButton),
        Button(4, cmd::kSyncTree, kButtonStyleButton),
        Button(5, cmd::kOtherPaneFolder, kButtonStyleButton),
        Button(6, cmd::kHistoryMenu, kButtonStyleWholeDropDown),
        Button(kAddressFieldImage, cmd::kAddressField, kButtonStyleSeparator),
        Button(8, cmd::kMaximisePane, kButtonStyleButton),
        Button(9, cmd::kClosePane, kButtonStyleButton),
    };
}

std::vector<ToolbarButton> FolderLayoutOrDefault(std::vector<ToolbarButton> fromFile)
{
    return fromFile.empty() ? DefaultFolderLayout() : std::move(fromFile);
}

ToolbarCatalogue FolderCustomiseCatalogue()
{
    const std::vector<ToolbarButton> layout = DefaultFolderLayout();
    const std::vector<ToolbarButton> offered = FolderButtonsForCustomising(layout);
    ToolbarCatalogue catalogue = RecordCatalogue(offered);
    MarkDefaults(catalogue, offered);
    return catalogue;
}

std::vector<ToolbarButton> FolderButtonsForCustomising(std::span<const ToolbarButton> layout)
{
    const size_t offered =
        layout.size() > kFolderLayoutFixedTail ? layout.size() - kFolderLayoutFixedTail : 0;
    std::vector<ToolbarButton> buttons(layout.begin(), layout.begin() + static_cast<std::ptrdiff_t>(offered));
    for (auto& button : buttons)
    {
        if (IsAddressField(button)) AsAddressButton(button);
    }
    return buttons;
}

std::vector<ToolbarButton> FolderLayoutAfterCustomising(std::span<const ToolbarButton> edited,
                                                        std::span<const ToolbarButton> layout)
{
    std::vector<ToolbarButton> buttons(edited.begin(), edited.end());
    for (auto& button : buttons)
    {
        if (IsAddressField(button)) button.style = kButtonStyleSeparator;
    }
    const size_t tail = std::min(layout.size(), kFolderLayoutFixedTail);
    buttons.insert(buttons.end(), layout.end() - static_cast<std::ptrdiff_t>(tail), layout.end());
    return buttons;
}

bool CanDeleteInCustomise(const ToolbarButton& button)
{
    return !button.IsHidden() && !IsAddressField(button);
}

void SetAutoSize(std::vector<ToolbarButton>& buttons)
{
    for (auto& button : buttons)
    {
        if (!button.IsHidden() && !button.IsSeparator()) button.style |= kButtonStyleAutoSize;
    }
}

ToolbarImages MainToolbarImages(ToolbarIconSize size)
{
    using enum ToolbarIconSize;
    static constexpr std::array<ToolbarImages, 3> kImages{
        {{ToolbarIconPixels(Small), IDB_MAIN_TOOLBAR_16, IDB_MAIN_TOOLBAR_16_DISABLED},
         {ToolbarIconPixels(Medium), IDB_MAIN_TOOLBAR_20, IDB_MAIN_TOOLBAR_20_DISABLED},
         {ToolbarIconPixels(Large), IDB_MAIN_TOOLBAR_24, IDB_MAIN_TOOLBAR_24_DISABLED}}};
    return kImages[static_cast<size_t>(size)];
}

ToolbarImages FolderToolbarImages(ToolbarIconSize size)
{
    using enum ToolbarIconSize;
    static constexpr std::array<ToolbarImages, 3> kImages{
        {{ToolbarIconPixels(Small), IDB_FOLDER_TOOLBAR_16, IDB_FOLDER_TOOLBAR_16_DISABLED},
         {ToolbarIconPixels(Medium), IDB_FOLDER_TOOLBAR_20, IDB_FOLDER_TOOLBAR_20_DISABLED},
         {ToolbarIconPixels(Large), IDB_FOLDER_TOOLBAR_24, IDB_FOLDER_TOOLBAR_24_DISABLED}}};
    return kImages[static_cast<size_t>(size)];
}

int CommonBarHeight(ToolbarIconSize mainSize, int dpi)
{
    return ToolbarButtonHeight(ToolbarIconPixels(mainSize), dpi);
}

ToolbarIconSize DefaultToolbarIconSize(int dpi)
{
    const int wanted = ScaledForDpi(ToolbarIconPixels(ToolbarIconSize::Medium), dpi);
    ToolbarIconSize size = ToolbarIconSize::Small;
    for (const ToolbarIconSize candidate : {ToolbarIconSize::Medium, ToolbarIconSize::Large})
        if (ToolbarIconPixels(candidate) <= wanted) size = candidate;
    return size;
}

} // namespace sv
