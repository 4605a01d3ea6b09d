// The pictures of the five tool bar buttons, drawn by the program: printer, printer setup, help,
// about and exit, each in a normal and an embossed grey disabled state.
#pragma once

#include <QIcon>
#include <QPixmap>

enum class ToolGlyph { Printer, PrinterSetup, Help, About, Exit };

constexpr int kGlyphSize = 18;  // px, square

QPixmap DrawGlyph(ToolGlyph glyph);

// The disabled state of a picture: its silhouette in grey over a white one shifted by a pixel.
QPixmap DisabledGlyph(const QPixmap& normal);

// Both states in one icon.
QIcon ToolIcon(ToolGlyph glyph);
