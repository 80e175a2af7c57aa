#include "bio/UsuariosBioRep.h"

QString TUsuariosBioRep::Pis() const { return FPis; }
void TUsuariosBioRep::SetPis(const QString& v) { FPis = v; }
QString TUsuariosBioRep::Template1() const { return FTemplate1; }
void TUsuariosBioRep::SetTemplate1(const QString& v) { FTemplate1 = v; }
QString TUsuariosBioRep::Template2() const { return FTemplate2; }
void TUsuariosBioRep::SetTemplate2(const QString& v) { FTemplate2 = v; }
