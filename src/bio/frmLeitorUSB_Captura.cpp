#include "bio/frmLeitorUSB_Captura.h"

QString PisCapturado;
QString Template1Capturado;
QString Template2Capturado;
