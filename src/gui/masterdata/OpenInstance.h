#pragma once

namespace kesvar::gui {

// Remembers the one window of type W that is open, so the main window's shared commands can act
// on it. A window holds an OpenInstance<W> member constructed with itself.
template<typename W>
class OpenInstance
{
public:
    explicit OpenInstance(W *window) : m_window(window) { s_open = window; }
    ~OpenInstance()
    {
        if (s_open == m_window)
            s_open = nullptr;
    }
    OpenInstance(const OpenInstance &) = delete;
    OpenInstance &operator=(const OpenInstance &) = delete;

    // The open window, or null.
    static W *current() { return s_open; }

private:
    W *m_window;
    static inline W *s_open = nullptr;
};

} // namespace kesvar::gui
