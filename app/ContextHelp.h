// Context help (Shift+F1): the pointer becomes the help cursor, and the next click shows the
// help topic of the part of the window it lands on. Esc, another button or another key ends
// it without help, as does losing the mouse to another window.
#pragma once

#include <windows.h>

#include <functional>
#include <string_view>
#include <utility>

namespace sv
{

class CContextHelp
{
public:
    using TopicAt = std::function<std::wstring_view(POINT screen)>;
    using ShowTopic = std::function<void(std::wstring_view topic)>;

    CContextHelp(TopicAt topicAt, ShowTopic show) : m_topicAt(std::move(topicAt)), m_show(std::move(show)) {}

    // Takes the mouse for `owner` until the click that chooses the topic.
    void Begin(HWND owner);
    bool IsActive() const { return m_owner != nullptr; }
    // A message of the owner's thread; true when help mode took it.
    bool PreTranslate(const MSG& message);
    // The owner lost the mouse (another program, a menu): no help.
    void OnCaptureChanged() { End(); }

private:
    void End();

    TopicAt m_topicAt;
    ShowTopic m_show;
    HWND m_owner = nullptr;
};

} // namespace sv
