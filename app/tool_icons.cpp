// Simple vector drawings of the tool bar pictures on an 18 x 18 px grid.
#include "app/tool_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace {

void DrawPrinter(QPainter& painter, double scale)
{
    painter.save();
    painter.scale(scale, scale);
    painter.setPen(QPen(QColor(40, 40, 40), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(4.5, 1.5, 9, 6));  // paper going in
    painter.setBrush(QColor(176, 176, 176));
    painter.drawRoundedRect(QRectF(1.5, 6.5, 15, 7), 1.5, 1.5);  // body
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(4.5, 11.5, 9, 5));  // printed sheet
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    painter.drawLine(QPointF(6, 13.5), QPointF(12, 13.5));
    painter.drawLine(QPointF(6, 15.5), QPointF(10, 15.5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 170, 0));
    painter.drawEllipse(QRectF(13, 8, 2, 2));  // power light
    painter.restore();
}

void DrawGear(QPainter& painter, QPointF centre, double radius)
{
    painter.save();
    painter.setPen(QPen(QColor(140, 100, 0), 2.0, Qt::SolidLine, Qt::FlatCap));
    for (int tooth = 0; tooth < 8; ++tooth) {
        painter.save();
        painter.translate(centre);
        painter.rotate(tooth * 45.0);
        painter.drawLine(QPointF(0, radius - 1), QPointF(0, radius + 1.5));
        painter.restore();
    }
    painter.setPen(QPen(QColor(140, 100, 0), 1));
    painter.setBrush(QColor(240, 190, 40));
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, radius / 2.5, radius / 2.5);
    painter.restore();
}

void DrawLetterDisc(QPainter& painter, const QString& letter)
{
    painter.setPen(QPen(QColor(0, 40, 120), 1));
    painter.setBrush(QColor(30, 90, 200));
    painter.drawEllipse(QRectF(1.5, 1.5, 15, 15));
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(1.5, 1.5, 15, 15), Qt::AlignCenter, letter);
}

void DrawExit(QPainter& painter)
{
    painter.setPen(QPen(QColor(70, 40, 10), 1));
    painter.setBrush(QColor(150, 90, 40));
    painter.drawRect(QRectF(2.5, 1.5, 8, 15));  // door
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 220, 120));
    painter.drawEllipse(QRectF(8, 9, 1.5, 1.5));  // knob
    QPainterPath arrow;
    arrow.moveTo(8, 7.5);
    arrow.lineTo(12, 7.5);
    arrow.lineTo(12, 4.5);
    arrow.lineTo(17, 9);
    arrow.lineTo(12, 13.5);
    arrow.lineTo(12, 10.5);
    arrow.lineTo(8, 10.5);
    arrow.closeSubpath();
    painter.setPen(QPen(QColor(0, 90, 0), 1));
    painter.setBrush(QColor(40, 180, 40));
    painter.drawPath(arrow);
}

QPixmap Silhouette(const QPixmap& picture, const QColor& colour)
{
    QPixmap result(picture.size());
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.drawPixmap(0, 0, picture);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(result.rect(), colour);
    return result;
}

}  // namespace

QPixmap DrawGlyph(ToolGlyph glyph)
{
    QPixmap pixmap(kGlyphSize, kGlyphSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (glyph) {
    case ToolGlyph::Printer:
        DrawPrinter(painter, 1.0);
        break;
    case ToolGlyph::PrinterSetup:
        DrawPrinter(painter, 0.8);
        DrawGear(painter, QPointF(13, 13), 3.5);
        break;
    case ToolGlyph::Help:
        DrawLetterDisc(painter, QStringLiteral("?"));
        break;
    case ToolGlyph::About:
        DrawLetterDisc(painter, QStringLiteral("i"));
        break;
    case ToolGlyph::Exit:
        DrawExit(painter);
        break;
    }
    return pixmap;
}

QPixmap DisabledGlyph(const QPixmap& normal)
{
    QPixmap result(normal.size());
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.drawPixmap(1, 1, Silhouette(normal, Qt::white));
    painter.drawPixmap(0, 0, Silhouette(normal, QColor(128, 128, 128)));
    return result;
}

QIcon ToolIcon(ToolGlyph glyph)
{
    const QPixmap normal = DrawGlyph(glyph);
    QIcon icon;
    icon.addPixmap(normal, QIcon::Normal);
    icon.addPixmap(DisabledGlyph(normal), QIcon::Disabled);
    return icon;
}
