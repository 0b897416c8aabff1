#include "PaneKeys.h"

namespace sv
{

namespace
{
constexpr PaneKeyDecision Consume(PaneKeyAction action)
{
    return {action, false};
}

constexpr PaneKeyDecision ThenView(PaneKeyAction action)
{
    return {action, true};
}

constexpr PaneKeyDecision kToView{};

// Ctrl with a letter; Ctrl+Alt is AltGr on many layouts and produces characters.
bool CtrlOnly(const PaneKey& key)
{
    return key.ctrl && !key.alt;
}

PaneKeyDecision ShortcutInView(const PaneKey& key, const PaneKeyContext& context)
{
    switch (key.virtualKey)
    {
    case vk::kTab: return key.ctrl ? kToView : Consume(PaneKeyAction::FocusOtherPane);
    case vk::kEscape: return Consume(PaneKeyAction::HideQuickFilter);
    case vk::kLeft:
        return key.ctrl && key.shift && !key.alt ? Consume(PaneKeyAction::PreviousTab) : kToView;
    case vk::kRight:
        return key.ctrl && key.shift && !key.alt ? Consume(PaneKeyAction::NextTab) : kToView;
    case 'C': return key.ctrl && key.alt ? Consume(PaneKeyAction::CopyFileList) : kToView;
    case 'D': return CtrlOnly(key) ? Consume(PaneKeyAction::DosWindow) : kToView;
    case 'F': return CtrlOnly(key) ? Consume(PaneKeyAction::ToggleQuickFilter) : kToView;
    case 'G': return CtrlOnly(key) ? Consume(PaneKeyAction::OtherPaneFolder) : kToView;
    case 'N': return CtrlOnly(key) ? Consume(PaneKeyAction::NewFolderWindow) : kToView;
    case 'O': return CtrlOnly(key) ? Consume(PaneKeyAction::SyncTree) : kToView;
    case 'V':
        return CtrlOnly(key) && context.wrapsClipboard ? ThenView(PaneKeyAction::WrapClipboard) : kToView;
    case 'W': return CtrlOnly(key) ? Consume(PaneKeyAction::MaximisePane) : kToView;
    case vk::kF4: return key.ctrl && key.shift ? Consume(PaneKeyAction::ClosePane) : kToView;
    case vk::kF5: return ThenView(PaneKeyAction::Refresh);
    default: return kToView;
    }
}
} // namespace

PaneKeyDecision DecidePaneKey(const PaneKey& key, const PaneKeyContext& context)
{
    if (key.systemKey)
    {
        if (!context.viewHasFocus) return kToView;
        if (key.virtualKey == vk::kLeft) return Consume(PaneKeyAction::GoBack);
        if (key.virtualKey == vk::kRight) return Consume(PaneKeyAction::GoForward);
        if (key.virtualKey == vk::kBack && context.ownShortcutsEnabled)
            return Consume(PaneKeyAction::GoDriveRoot);
        return kToView;
    }
    if (!context.viewHasFocus)
    {
        // The label editor: F2 switches between the whole name and the name alone.
        if (context.ownShortcutsEnabled && key.virtualKey == vk::kF2)
            return Consume(PaneKeyAction::ToggleRenameSelection);
        return kToView;
    }
    if (key.virtualKey == vk::kBack) return Consume(PaneKeyAction::GoUp);
    if (!context.ownShortcutsEnabled) return kToView;
    return ShortcutInView(key, context);
}

} // namespace sv
