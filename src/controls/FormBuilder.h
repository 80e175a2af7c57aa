// Compact builders for the many controls of the console's fixed-layout pages: each control gets its
// objectName (the control's name), its parent, its text and its place in pixels. A label, button or check
// box is never narrower than its text at its font: the width given is the design width, grown where the
// platform's font needs more.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTabWidget>

class SpinField;
class StringGrid;

namespace Form {
// Whether the builders measure texts (on by default). An unattended run shows its pages to nobody: the
// program turns it off there, so that the run spends nothing on measuring captions.
void setTextFitting(bool on);
bool textFitting();
QLabel* label(QWidget* parent, const char* name, const QString& text, int x, int y, int w = -1, int h = 16);
QPushButton* button(QWidget* parent, const char* name, const QString& text, int x, int y, int w, int h = 25);
QLineEdit* edit(QWidget* parent, const char* name, const QString& text, int x, int y, int w, int h = 21);
SpinField* spin(QWidget* parent, const char* name, int value, int x, int y, int w, int h = 22);
QCheckBox* check(QWidget* parent, const char* name, const QString& text, int x, int y, int w, int h = 17);
QGroupBox* group(QWidget* parent, const char* name, const QString& title, int x, int y, int w, int h);
QComboBox* combo(QWidget* parent, const char* name, const QStringList& items, int x, int y, int w, bool editable = false);
QListWidget* list(QWidget* parent, const char* name, int x, int y, int w, int h, bool multiSelect = false);
QPlainTextEdit* memo(QWidget* parent, const char* name, const QString& text, int x, int y, int w, int h);
QTabWidget* pageControl(QWidget* parent, const char* name, int x, int y, int w, int h);
QWidget* tab(QTabWidget* pages, const char* name, const QString& caption);
StringGrid* grid(QWidget* parent, const char* name, int cols, int rows, int fixedRows, int fixedCols, int x, int y,
                 int w, int h);
// A column of captions with their values beside them: the design width of the captions, and the width
// they take, the widest caption's text at the parent's font where that is wider. The captions of one
// column share it, so that their values stay aligned.
struct CaptionColumn {
    int design;
    int width;
};
CaptionColumn captionColumn(const QWidget* parent, const QStringList& captions, int designWidth);
// A caption label and a value label beside it; returns the value label. A caption column wider than its
// design pushes the value's left edge right; the value keeps its right edge.
QLabel* captioned(QWidget* parent, const QString& caption, const char* valueName, int x, int y, CaptionColumn column,
                  const QString& value = QString(), int valueWidth = 220);
// The same for a caption of its own: the column is that caption alone.
QLabel* captioned(QWidget* parent, const QString& caption, const char* valueName, int x, int y, int captionWidth,
                  const QString& value = QString(), int valueWidth = 220);
} // namespace Form
