// The quick view: the "Schnellansicht" bar's picture following the focused item of the active
// pane. The same path twice is loaded once; a file another program holds is tried again at the
// next update; the bar's caption names the file once it was read.
#pragma once

#include "MyBar.h"
#include "folder/Services.h"
#include "framework/Signal.h"
#include "framework/Subclass.h"

#include <memory>
#include <string>

namespace sv
{

class CPictureCtrl;
struct PictureLoadOutcome;

class CQuickView
{
public:
    static constexpr UINT kPictureId = 992;

    // Follows the active pane through the panes' selection events.
    explicit CQuickView(Services& services);
    ~CQuickView();
    CQuickView(const CQuickView&) = delete;
    CQuickView& operator=(const CQuickView&) = delete;

    // The picture control inside `bar`, kept filling it.
    bool Create(CMyBar& bar);
    // The focused item's file-system path, empty for an item without one.
    void Follow(const std::wstring& path);

    CPictureCtrl* Picture() const { return m_picture.get(); }
    const std::wstring& LastPath() const { return m_lastPath; }

private:
    void OnLoaded(const PictureLoadOutcome& outcome);

    // The rotation menu anywhere on the bar: its border and caption as well as the picture.
    class BarMenu : public CSubclass
    {
    public:
        CPictureCtrl* picture = nullptr;

    protected:
        LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    };

    CMyBar* m_bar = nullptr;
    ScopedConnection m_selectionChanged;
    std::unique_ptr<CPictureCtrl> m_picture;
    BarMenu m_barMenu; // after the picture, so that it goes first
    std::wstring m_lastPath;
};

} // namespace sv
