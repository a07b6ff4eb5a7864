#pragma once

#include <QLibrary>
#include <mutex>
#include <thread>

// Entry points of a shared library resolved at run time instead of linked, so that the
// library and its dependencies load when first needed (or on a background thread)
// rather than at process start. `Api` is a struct of function pointers that `fill`
// resolves; the library stays loaded for the life of the process.
template <typename Api> class RuntimeLibrary
{
public:
    // Loads and resolves; false when the library or one of its functions is missing.
    using Fill = bool (*)(Api &api);

    explicit RuntimeLibrary(Fill fill) : m_fill(fill) {}

    // Loads once (thread-safe; callers meanwhile wait for the first load). Null when
    // the library cannot be used.
    const Api *load()
    {
        std::call_once(m_once, [this] { m_loaded = m_fill(m_api); });
        return m_loaded ? &m_api : nullptr;
    }

    // Only for code that has had a non-null load().
    const Api &api() const { return m_api; }

    // Starts loading on a background thread, so that the first use does not wait.
    void preload()
    {
        std::thread([this] { load(); }).detach();
    }

    template <typename Fn> static bool resolve(QLibrary &library, Fn &slot, const char *name)
    {
        slot = reinterpret_cast<Fn>(library.resolve(name));
        return slot != nullptr;
    }

private:
    Fill m_fill;
    Api m_api;
    bool m_loaded = false;
    std::once_flag m_once;
};
