// A masked field whose text keeps the mask's fixed characters and shows blanks for empty positions, as
// the CPF field hands it on ("   .   .   -  " when empty). QLineEdit::text() would drop those blanks, so the
// text is derived from what the field displays.
#pragma once

#include <QLineEdit>

class MaskedEdit : public QLineEdit {
    Q_OBJECT
public:
    // mask in QLineEdit's form, e.g. "000.000.000-00"; '_' is the blank shown while editing.
    MaskedEdit(const QString& mask, QWidget* parent = nullptr);
    QString maskedText() const;

private:
    QString m_mask;
};
