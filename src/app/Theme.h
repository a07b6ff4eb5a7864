#pragma once

#include "platform/Appearance.h"

#include <QColor>
#include <QObject>
#include <QtQml/qqmlregistration.h>

// The colours of the views, light or dark as the desktop is when the window's engine
// starts (see Appearance).
class Theme : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(bool isDark READ isDark CONSTANT)
    Q_PROPERTY(QColor window READ window CONSTANT)
    Q_PROPERTY(QColor sidebar READ sidebar CONSTANT)
    Q_PROPERTY(QColor bar READ bar CONSTANT)
    Q_PROPERTY(QColor primary READ primary CONSTANT)
    Q_PROPERTY(QColor secondary READ secondary CONSTANT)
    Q_PROPERTY(QColor accent READ accent CONSTANT)
    Q_PROPERTY(QColor chapterMark READ chapterMark CONSTANT)
    Q_PROPERTY(QColor separator READ separator CONSTANT)

public:
    explicit Theme(QObject *parent = nullptr);

    bool isDark() const { return m_scheme == Appearance::Scheme::Dark; }
    QColor window() const { return m_colors.window; }
    QColor sidebar() const { return m_colors.sidebar; }
    QColor bar() const { return m_colors.bar; }
    QColor primary() const { return m_colors.primaryText; }
    QColor secondary() const { return m_colors.secondaryText; }
    QColor accent() const { return m_colors.accent; }
    QColor chapterMark() const { return m_colors.chapterMark; }
    QColor separator() const { return m_colors.separator; }

    // `color` at `opacity` (0 to 1) of its own alpha.
    Q_INVOKABLE static QColor faded(const QColor &color, double opacity);

private:
    Appearance::Scheme m_scheme;
    Appearance::Colors m_colors;
};
