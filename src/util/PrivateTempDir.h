#pragma once

#include <QString>

// A directory that only the current user can enter, for the files our child
// processes write (tool output, streamed media). It lives under a shared temporary
// directory, so the name it would take may already be held by someone else: a
// directory owned by another user, or a link pointing at someone's files. Such a
// name is never used; a fresh, unpredictable directory is made instead.
class PrivateTempDir
{
public:
    // `parent` is the shared directory to live in (the system's temporary directory
    // by default).
    explicit PrivateTempDir(QString parent = {});

    // The directory's absolute path, made (mode 0700) or checked again on every call,
    // so one removed by a cleaner is made anew. Empty when no private directory can be
    // had; errorString() then tells why.
    QString path();
    QString errorString() const { return m_error; }

    // Makes `dir` (one level, mode 0700) inside a private directory, or checks the
    // existing one: it must be a real directory of ours, never a link.
    static bool ensureSubdirectory(const QString &dir, QString *error = nullptr);

    // Deletes every entry inside `dir` (hidden ones too), descending into real
    // subdirectories only: a link is removed as a link, and whatever it points at
    // is left alone. `dir` itself stays. Errors are ignored.
    static void clearContents(const QString &dir);

private:
    bool isOurPrivateDirectory(const QString &dir);

    QString m_parent;
    QString m_path; // the directory in use once one was made
    QString m_error;
};
