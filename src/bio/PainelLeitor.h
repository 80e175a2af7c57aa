// The controls of the open reader window that the reader drivers use: they show their progress there
// (status label, the three capture boxes, the image panel) and read the reader chosen in it. The window
// registers them while it is open; with none open (closed while a capture ran) the drivers show nothing.
#pragma once

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;

struct PainelLeitor {
    QLabel* lblStatusLeitor = nullptr;
    QComboBox* cboDispositivos = nullptr;
    QCheckBox *chkCaptura1 = nullptr, *chkCaptura2 = nullptr, *chkCaptura3 = nullptr;
    QFrame* pic = nullptr;
};

// The open reader window's controls, or null.
inline PainelLeitor* painelLeitor = nullptr;
