// The "Info" box: program name, version and platform painted in dark blue, and a link to
// the web site.
#pragma once

#include "framework/Dialog.h"
#include "res/resource.h"

namespace sv
{

inline constexpr const wchar_t* kWebSiteAddress = L"https://solvanta.example/";

class CAboutDialog : public CDialog
{
public:
    CAboutDialog() : CDialog(IDD_ABOUTBOX) {}
    // The three lines, centred in `width` pixels.
    static void PaintTexts(HDC dc, int width);

protected:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;

private:
    void OnPaint();
    bool OnLinkNotify(const NMHDR& header);
};

} // namespace sv
