// The user the USB reader window enrolled last, left for the page "Bio" to append to its grids.
// The reader window writes the three texts, then calls PaginaBio::AdicionarUsuarioBio.
#pragma once

#include <QString>

extern QString PisCapturado;
extern QString Template1Capturado;
extern QString Template2Capturado;
