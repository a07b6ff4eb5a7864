#include "Theme.h"

Theme::Theme(QObject *parent)
    : QObject(parent), m_scheme(Appearance::current()), m_colors(Appearance::colors(m_scheme))
{
}

QColor Theme::faded(const QColor &color, double opacity)
{
    QColor result = color;
    result.setAlphaF(float(color.alphaF() * opacity));
    return result;
}
