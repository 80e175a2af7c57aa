// A spin field without bounds: the operator may type any text; its value is that text read as a decimal
// integer, and a text that is not a number reads as 0. The arrow keys step the value.
#pragma once

#include <QLineEdit>

class SpinField : public QLineEdit {
    Q_OBJECT
public:
    explicit SpinField(QWidget* parent = nullptr);
    int value() const;
    void setValue(int v);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
};
