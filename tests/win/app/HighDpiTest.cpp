// The frame on a screen of 144 dpi: its toolbars take the 24-pixel images, the tab strip, the
// panes' captions, the status line and the docked bars' captions grow with the dpi, and no
// toolbar button, tab label or control of the settings dialog is cut off. A process reads
// the dpi when it starts, so the same measuring runs here at the suite's dpi and in a child
// started with the screen set to 144 dpi; the two are compared.
#include "../MainFrameFixture.h"
#include "../ProcessSupport.h"
#include "app/MainFrame.h"
#include "framework/Handles.h"
#include "framework/PropertySheet.h"
#include "model/CommandCatalogue.h"
#include "shell/Pidl.h"

#include "framework/archive/TextCodec.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>

using namespace sv;
using namespace sv::test;

namespace
{
constexpr DWORD kHighDpi = 144;
constexpr const wchar_t* kReportVariable = L"SOLVANTA_LAYOUT_REPORT";

// Wine reads the logical dpi of the screen from here when a process starts (Windows from the
// same value after signing in); the value found before is put back when this goes.
class ScopedScreenDpi
{
public:
    explicit ScopedScreenDpi(DWORD dpi)
    {
        if (::RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0,
                              KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &m_key, nullptr) != ERROR_SUCCESS)
            return;
        DWORD value = 0;
        DWORD size = sizeof(value);
        DWORD type = 0;
        if (::RegQueryValueExW(m_key, kValue, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) ==
                ERROR_SUCCESS &&
            type == REG_DWORD)
            m_saved = value;
        m_set = ::RegSetValueExW(m_key, kValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi),
                                 sizeof(dpi)) == ERROR_SUCCESS;
    }
    ~ScopedScreenDpi()
    {
        if (!m_key) return;
        if (m_saved)
            ::RegSetValueExW(m_key, kValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&*m_saved),
                             sizeof(DWORD));
        else
            ::RegDeleteValueW(m_key, kValue);
        ::RegCloseKey(m_key);
    }
    ScopedScreenDpi(const ScopedScreenDpi&) = delete;
    ScopedScreenDpi& operator=(const ScopedScreenDpi&) = delete;
    bool IsSet() const { return m_set; }

private:
    static constexpr const wchar_t* kValue = L"LogPixels";
    HKEY m_key = nullptr;
    std::optional<DWORD> m_saved;
    bool m_set = false;
};

class ScopedEnvironment
{
public:
    ScopedEnvironment(const wchar_t* name, const std::wstring& value) : m_name(name)
    {
        ::SetEnvironmentVariableW(name, value.c_str());
    }
    ~ScopedEnvironment() { ::SetEnvironmentVariableW(m_name, nullptr); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const wchar_t* m_name;
};

std::optional<std::wstring> Environment(const wchar_t* name)
{
    wchar_t value[MAX_PATH] = {};
    const DWORD length = ::GetEnvironmentVariableW(name, value, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return std::nullopt;
    return std::wstring(value);
}

// What the measuring found: sizes by name, and a line for everything cut off.
struct Layout
{
    std::map<std::string, int> sizes;
    std::vector<std::string> cut;

    std::string Write() const
    {
        std::ostringstream out;
        for (const auto& [name, size] : sizes)
            out << "size " << name << ' ' << size << '\n';
        for (const std::string& line : cut)
            out << "cut " << line << '\n';
        return out.str();
    }
    static Layout Read(const std::string& text)
    {
        Layout layout;
        std::istringstream in(text);
        std::string kind;
        while (in >> kind)
        {
            std::string rest;
            std::getline(in, rest);
            if (!rest.empty() && rest[0] == ' ') rest.erase(0, 1);
            if (kind == "size")
            {
                const size_t blank = rest.rfind(' ');
                if (blank != std::string::npos)
                    layout.sizes[rest.substr(0, blank)] = std::atoi(rest.c_str() + blank + 1);
            }
            else if (kind == "cut")
            {
                layout.cut.push_back(rest);
            }
        }
        return layout;
    }
};

std::string Describe(const std::string& what, const RECT& rect)
{
    std::ostringstream out;
    out << what << " (" << rect.left << ',' << rect.top << ")-(" << rect.right << ',' << rect.bottom << ')';
    return out.str();
}

RECT ScreenRect(HWND hwnd)
{
    RECT rect{};
    ::GetWindowRect(hwnd, &rect);
    return rect;
}

RECT ClientOnScreen(HWND hwnd)
{
    RECT rect{};
    ::GetClientRect(hwnd, &rect);
    ::MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool Inside(const RECT& inner, const RECT& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

std::wstring WindowText(HWND hwnd)
{
    wchar_t text[512] = {};
    ::GetWindowTextW(hwnd, text, 512);
    return text;
}

// The size of `text` in the window's own font (the stock GUI font when it has none), without
// the mnemonic marks.
SIZE TextSize(HWND hwnd, std::wstring text)
{
    std::erase(text, L'&');
    const WindowDcScope dc(hwnd, ::GetDC(hwnd));
    auto font = reinterpret_cast<HFONT>(::SendMessageW(hwnd, WM_GETFONT, 0, 0));
    if (!font) font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    const SelectObjectScope select(dc.Get(), font);
    SIZE size{};
    ::GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

int TextHeight(HWND hwnd)
{
    return TextSize(hwnd, L"Ägy").cy;
}

class LayoutProbe
{
public:
    explicit LayoutProbe(Layout& layout) : m_layout(layout) {}

    void Note(const std::string& name, int size) { m_layout.sizes[name] = size; }
    void Cut(const std::string& line) { m_layout.cut.push_back(line); }

    // Every shown button of a toolbar holds its image and lies within the bar's height.
    void Toolbar(const std::string& name, HWND toolbar)
    {
        if (!toolbar || !::IsWindowVisible(toolbar)) return Cut(name + " not shown");
        int imageWidth = 0;
        int imageHeight = 0;
        const auto images = reinterpret_cast<HIMAGELIST>(::SendMessageW(toolbar, TB_GETIMAGELIST, 0, 0));
        if (images) ::ImageList_GetIconSize(images, &imageWidth, &imageHeight);
        Note(name + ".image", imageHeight);
        Note(name + ".button", HIWORD(::SendMessageW(toolbar, TB_GETBUTTONSIZE, 0, 0)));
        RECT client{};
        ::GetClientRect(toolbar, &client);
        const int count = static_cast<int>(::SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0));
        for (int i = 0; i < count; ++i)
        {
            TBBUTTON button{};
            ::SendMessageW(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
            if ((button.fsStyle & BTNS_SEP) || (button.fsState & TBSTATE_HIDDEN)) continue;
            RECT rect{};
            ::SendMessageW(toolbar, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&rect));
            const std::string what = name + " button " + std::to_string(button.idCommand);
            if (rect.bottom - rect.top < imageHeight + 2 || rect.right - rect.left < imageWidth + 2)
                Cut(Describe(what + " smaller than its image", rect));
            // Bars with labels below their icons stand a pixel lower than the toolbar measures
            // such a button; that row is only its hover frame.
            if (rect.top < 0 || rect.bottom > client.bottom + 1)
                Cut(Describe(what + " outside the bar", rect));
        }
        // The bar itself stands inside its parent (the rebar or the pane).
        const RECT bar = ScreenRect(toolbar);
        const RECT parent = ClientOnScreen(::GetParent(toolbar));
        if (bar.top < parent.top || bar.bottom > parent.bottom)
            Cut(Describe(name + " outside its parent", bar));
    }

    // Every tab is as high as its label and as wide, and lies in the strip.
    void Tabs(HWND strip, HWND tabs)
    {
        if (!strip || !tabs || !::IsWindowVisible(strip)) return Cut("tab strip not shown");
        RECT stripClient{};
        ::GetClientRect(strip, &stripClient);
        Note("tab strip", stripClient.bottom);
        const int count = static_cast<int>(::SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < count; ++i)
        {
            RECT rect{};
            if (!::SendMessageW(tabs, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&rect))) continue;
            wchar_t label[260] = {};
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = label;
            item.cchTextMax = 260;
            ::SendMessageW(tabs, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
            const SIZE text = TextSize(tabs, label);
            const std::string what = "tab '" + ToUtf8(label) + "'";
            Note("tab", rect.bottom - rect.top);
            if (text.cx > rect.right - rect.left || text.cy > rect.bottom - rect.top)
                Cut(Describe(what + " smaller than its label", rect));
            if (rect.bottom > stripClient.bottom) Cut(Describe(what + " below the strip", rect));
        }
    }

    // A pane's caption row holds a line of its text.
    void Caption(HWND caption)
    {
        if (!caption || !::IsWindowVisible(caption)) return Cut("caption not shown");
        RECT client{};
        ::GetClientRect(caption, &client);
        Note("caption", client.bottom);
        // The breadcrumb draws in the stock GUI font, inside a one-pixel frame.
        if (TextHeight(caption) > client.bottom - 2) Cut(Describe("caption lower than its text", client));
    }

    void StatusLine(HWND status)
    {
        if (!status || !::IsWindowVisible(status)) return Cut("status line not shown");
        RECT client{};
        ::GetClientRect(status, &client);
        Note("status line", client.bottom);
        if (TextHeight(status) > client.bottom - 2) Cut(Describe("status line lower than its text", client));
    }

    // The caption of a docked bar: the border above its content holds the title's 8.5 points.
    void DockedBarCaption(HWND bar)
    {
        if (!bar || !::IsWindowVisible(bar)) return Cut("docked bar not shown");
        const int border = ClientOnScreen(bar).top - ScreenRect(bar).top;
        Note("bar caption", border);
        const WindowDcScope dc(bar, ::GetDC(bar));
        LOGFONTW wanted{};
        wanted.lfHeight = -::MulDiv(85, ::GetDeviceCaps(dc.Get(), LOGPIXELSY), 720);
        wanted.lfCharSet = DEFAULT_CHARSET;
        ::wcscpy(wanted.lfFaceName, L"Tahoma");
        const UniqueFont font(::CreateFontIndirectW(&wanted));
        const SelectObjectScope select(dc.Get(), font.Get());
        TEXTMETRICW metrics{};
        ::GetTextMetricsW(dc.Get(), &metrics);
        if (metrics.tmHeight > border)
            Cut("docked bar caption lower than its title: " + std::to_string(border));
    }

    // Every shown control of every page lies inside its page, its text on one line inside the
    // control where the control has only one; the pages and buttons lie inside the dialog,
    // the dialog on the screen.
    void SettingsDialog(CPropertySheet& sheet)
    {
        const RECT sheetClient = ClientOnScreen(sheet.Hwnd());
        Note("settings width", sheetClient.right - sheetClient.left);
        RECT work{};
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        if (!Inside(ScreenRect(sheet.Hwnd()), work)) Cut(Describe("settings dialog off the screen", work));
        for (size_t index = 0; index < sheet.PageCount(); ++index)
        {
            sheet.SetActivePage(static_cast<int>(index));
            PumpUntilIdle(20, 1000);
            const HWND page = sheet.Page(index).Hwnd();
            if (!page) continue;
            const std::string pageName = "settings page " + std::to_string(index);
            if (!Inside(ScreenRect(page), sheetClient))
                Cut(Describe(pageName + " outside the dialog", ScreenRect(page)));
            Controls(pageName, page, ClientOnScreen(page));
        }
        for (const int button : {IDOK, IDCANCEL})
        {
            const HWND control = ::GetDlgItem(sheet.Hwnd(), button);
            if (control && !Inside(ScreenRect(control), sheetClient))
                Cut(Describe("settings button " + std::to_string(button) + " outside the dialog",
                             ScreenRect(control)));
        }
    }

private:
    void Controls(const std::string& pageName, HWND page, const RECT& area)
    {
        for (HWND control = ::GetWindow(page, GW_CHILD); control; control = ::GetWindow(control, GW_HWNDNEXT))
        {
            if (!::IsWindowVisible(control)) continue;
            const RECT rect = ScreenRect(control);
            const std::string what = pageName + " control " + std::to_string(::GetDlgCtrlID(control)) + " '" +
                                     ToUtf8(WindowText(control)) + "'";
            if (!Inside(rect, area)) Cut(Describe(what + " outside the page", rect));
            const int room = SingleLineTextRoom(control);
            if (room >= 0 && TextSize(control, WindowText(control)).cx > room)
                Cut(what + " wider than its control: " + std::to_string(room));
        }
    }

    // The width a control gives its text when it shows one line of it, or -1.
    static int SingleLineTextRoom(HWND control)
    {
        wchar_t className[32] = {};
        ::GetClassNameW(control, className, 32);
        const LONG style = ::GetWindowLongW(control, GWL_STYLE);
        RECT client{};
        ::GetClientRect(control, &client);
        if (::_wcsicmp(className, L"Button") == 0)
        {
            if (style & BS_MULTILINE) return -1;
            switch (style & BS_TYPEMASK)
            {
            case BS_PUSHBUTTON:
            case BS_DEFPUSHBUTTON: return client.right - 2 * ::GetSystemMetrics(SM_CXEDGE);
            case BS_CHECKBOX:
            case BS_AUTOCHECKBOX:
            case BS_3STATE:
            case BS_AUTO3STATE:
            case BS_RADIOBUTTON:
            case BS_AUTORADIOBUTTON: return client.right - ::GetSystemMetrics(SM_CXMENUCHECK);
            default: return -1;
            }
        }
        if (::_wcsicmp(className, L"Static") == 0)
        {
            // Word-wrapping statics may be as high as two lines; only the one-line ones count.
            const int type = style & SS_TYPEMASK;
            if (type != SS_LEFT && type != SS_LEFTNOWORDWRAP && type != SS_RIGHT && type != SS_CENTER)
                return -1;
            if (type != SS_LEFTNOWORDWRAP && client.bottom >= 2 * TextHeight(control)) return -1;
            return client.right;
        }
        return -1;
    }

    Layout& m_layout;
};

// The frame as a first start makes it, with two folder windows, measured; the parent and the
// child at the higher dpi each measure once.
class HighDpi : public MainFrameFixture
{
protected:
    void SetUp() override
    {
        for (const wchar_t* name : kFolders)
            MakeFolder(name);
        MainFrameFixture::SetUp();
    }
    RECT FrameRect() const override { return RECT{0, 0, 1200, 900}; }
    Layout MeasureFrame();

    static constexpr const wchar_t* kFolders[] = {L"Urlaubsbilder 2023", L"Rechnungen und Belege"};
    MessageRecorder m_messages;
};

Layout HighDpi::MeasureFrame()
{
    Layout layout;
    LayoutProbe probe(layout);
    CMainFrame& frame = m_frame;
    {
        const WindowDcScope screen(nullptr, ::GetDC(nullptr));
        probe.Note("dpi", ::GetDeviceCaps(screen.Get(), LOGPIXELSY));
    }
    CFolderFrame* pane = nullptr;
    for (const wchar_t* name : kFolders)
        pane = Open(name);
    PumpUntilIdle();

    probe.Toolbar("main toolbar", frame.MainToolbar().Hwnd());
    probe.Toolbar("drives bar", frame.DrivesBar().Hwnd());
    probe.Tabs(frame.TabStrip().Hwnd(), frame.TabStrip().TabControl());
    if (pane)
    {
        probe.Toolbar("folder toolbar", pane->Toolbar());
        probe.Caption(pane->Caption().Hwnd());
    }
    else
    {
        probe.Cut("no pane");
    }
    probe.StatusLine(frame.StatusBar().Hwnd());
    probe.DockedBarCaption(frame.FolderTreeBar().Hwnd());

    bool shown = false;
    {
        ScopedDialogResponder settings(
            [&](CDialog& dialog, HWND parent)
            {
                auto& sheet = static_cast<CPropertySheet&>(dialog);
                if (!sheet.CreateModeless(parent)) return static_cast<INT_PTR>(IDCANCEL);
                PumpUntilIdle(20, 1000);
                shown = true;
                probe.SettingsDialog(sheet);
                sheet.PressButton(PSBTN_CANCEL);
                PumpUntil([&] { return PropSheet_GetCurrentPageHwnd(sheet.Hwnd()) == nullptr; }, 2000);
                return sheet.CloseModeless();
            });
        ::SendMessageW(frame.Hwnd(), WM_COMMAND, MAKEWPARAM(cmd::kSettings, 0), 0);
        PumpUntilIdle();
    }
    if (!shown) probe.Cut("no settings dialog");
    if (!m_messages.Requests().empty())
        probe.Cut("a message box: " + ToUtf8(m_messages.Requests().front().text));
    // Closed before the child measures at the higher dpi.
    CloseFrame(frame);
    return layout;
}

std::string ReadText(const std::wstring& path)
{
    const std::vector<uint8_t> bytes = ReadWholeFile(path);
    return std::string(bytes.begin(), bytes.end());
}

std::wstring OwnPath()
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

std::string Lines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += "  " + line + "\n";
    return text;
}
} // namespace

TEST_F(HighDpi, BarsCaptionsAndTheSettingsDialogGrowWithTheScreenAndNothingIsCutOff)
{
    if (const auto report = Environment(kReportVariable))
    {
        // The child at the high dpi: measure and hand the result over.
        const Layout layout = MeasureFrame();
        std::ofstream(ToUtf8(*report), std::ios::binary) << layout.Write();
        return;
    }

    const Layout normal = MeasureFrame();
    EXPECT_TRUE(normal.cut.empty()) << "cut off at " << normal.sizes.at("dpi") << " dpi:\n"
                                    << Lines(normal.cut);

    ScopedTempFolder folder;
    const std::wstring reportPath = folder.File(L"layout.txt");
    Layout high;
    {
        ScopedScreenDpi screen(kHighDpi);
        ASSERT_TRUE(screen.IsSet());
        const ScopedEnvironment report(kReportVariable, reportPath);
        auto child = StartProgram(L"\"" + OwnPath() + L"\" --gtest_filter=HighDpi.*");
        ASSERT_TRUE(child.process);
        ASSERT_TRUE(WaitForExit(child, 120000)) << "the measuring at 144 dpi did not end";
        EXPECT_EQ(ExitCode(child), 0u);
        high = Layout::Read(ReadText(reportPath));
    }
    ASSERT_EQ(high.sizes["dpi"], static_cast<int>(kHighDpi)) << "the child did not see the screen at 144 dpi";
    EXPECT_TRUE(high.cut.empty()) << "cut off at 144 dpi:\n" << Lines(high.cut);

    // The strips of 24-pixel images on both toolbars, unless the user chose other ones.
    EXPECT_EQ(high.sizes["main toolbar.image"], 24);
    EXPECT_EQ(high.sizes["folder toolbar.image"], 24);
    EXPECT_GE(high.sizes["main toolbar.button"], 24 + 6);
    // What is drawn by the program grows about as the dpi does.
    const double ratio = static_cast<double>(kHighDpi) / normal.sizes.at("dpi");
    for (const char* name : {"tab", "tab strip", "caption", "bar caption", "status line", "settings width"})
    {
        ASSERT_GT(normal.sizes.count(name), 0u) << name;
        const double grown = static_cast<double>(high.sizes[name]) / normal.sizes.at(name);
        EXPECT_NEAR(grown, ratio, 0.2) << name << ": " << normal.sizes.at(name) << " -> " << high.sizes[name];
    }
}
