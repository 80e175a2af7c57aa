// One biometric user: the PIS and up to two fingerprint templates, all as text.
#pragma once

#include <QString>

class TUsuariosBioRep {
public:
    // A new record holds three empty texts.
    TUsuariosBioRep() = default;

    QString Pis() const;
    void SetPis(const QString& v);
    QString Template1() const;
    void SetTemplate1(const QString& v);
    // May be empty.
    QString Template2() const;
    void SetTemplate2(const QString& v);

private:
    QString FPis;
    QString FTemplate1;
    QString FTemplate2;
};
