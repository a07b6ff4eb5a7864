#include "FileRevealer.h"

FileRevealer::FileRevealer(QObject *parent) : QObject(parent)
{
    connect(&m_reveal, &FileManagerReveal::finished, this,
            [this](const QUrl &file, FileManagerReveal::Outcome outcome) {
                const QString text = FileManagerReveal::message(outcome, file);
                if (!text.isEmpty())
                    Q_EMIT notice(text);
            });
}

void FileRevealer::reveal(const QUrl &file)
{
    m_reveal.reveal(file);
}
