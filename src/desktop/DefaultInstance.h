#pragma once

#include <QPointer>

// The one loaded window of a kind: the first one created, until it closes.
// Instance() creates (and so loads) a fresh one when none is loaded.
template <typename Window> class DefaultInstance {
public:
    static Window* Instance()
    {
        if (s_loaded == nullptr) {
            s_loaded = new Window;
        }
        return s_loaded;
    }

    static Window* LoadedInstance() { return s_loaded; }

protected:
    // Called by the window's constructor.
    static void Loaded(Window* window)
    {
        if (s_loaded == nullptr) {
            s_loaded = window;
        }
    }

    // Called when the window closes.
    static void Unloaded(Window* window)
    {
        if (s_loaded == window) {
            s_loaded = nullptr;
        }
    }

private:
    static inline QPointer<Window> s_loaded;
};
