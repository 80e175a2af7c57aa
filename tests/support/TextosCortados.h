// Where a window shows less than the whole of a text: captions, buttons, check boxes, group titles, tabs
// and the header cells of string grids, measured with each widget's own font and style. A text also counts
// as cut where an ancestor's edge or a sibling lying over it hides part of it.
#pragma once

#include <QStringList>

class QWidget;

// One line per text that does not show whole under `raiz` (the widget itself included), e.g.
// `QLabel "Tempo intervalo conexão:" in grpDadosRede: needs 151 px, shows 140`. Empty when all fit.
QStringList TextosCortados(QWidget* raiz);
