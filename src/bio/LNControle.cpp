#include "bio/LNControle.h"

#include "bio/PainelLeitor.h"
#include "controls/UiServices.h"
#include "platform/com/OleExceptions.h"
#include "platform/com/OleVariant.h"
#include "util/ContagemSdk.h"
#include "util/Utils.h"

#include <QByteArray>
#include <QComboBox>
#include <cstdio>

std::int32_t IdDispositivoNitgen = 0;

namespace {
Dispatch objNBioBSP;
Dispatch objDevice;
Dispatch objExtraction;
Dispatch objFPData;
} // namespace

void LNControle::LiberarReferencias() {
    objFPData.reset();
    objExtraction.reset();
    objDevice.reset();
    objNBioBSP.reset();
}

bool TLNControle::ConectaDLLNitgen() {
    try {
        // 1. The BSP object and its three members.
        Dispatch bsp = Dispatch::CreateOleObject(LNControle::kProgIdNitgen);
        Dispatch extraction = bsp.get("Extraction").toDispatch();
        Dispatch fpData = bsp.get("FPData").toDispatch();
        Dispatch device = bsp.get("Device").toDispatch();
        objNBioBSP = bsp;
        objExtraction = extraction;
        objFPData = fpData;
        objDevice = device;
        // 2. The device list.
        objDevice.call("Enumerate");
        // 3. The last device enumerated wins; with none the id keeps its value.
        const std::int32_t quantidade = objDevice.get("EnumCount").toInt();
        // More readers than any machine holds: a failed answer, not a list to walk through.
        if (ContagemExcessiva(quantidade)) return false;
        for (std::int32_t i = 0; i < quantidade; ++i)
            IdDispositivoNitgen = objDevice.get("EnumDeviceID", {i}).toInt();
        // 4.
        return IdDispositivoNitgen >= 1;
    } catch (const std::exception&) {
        // 5. No object, or an error from it.
        return false;
    }
}

bool TLNControle::InicializarDispositivo() {
    // 1. The reader chosen in the window.
    const int indice = painelLeitor ? painelLeitor->cboDispositivos->currentIndex() : -1;
    // 2. The id to open and the one to close.
    std::uint32_t idFechar = 0;
    if (indice > 0) {
        const OleVariant nomeId = objDevice.get("EnumDeviceNameID", {indice - 1});
        const OleVariant instancia = objDevice.get("EnumDeviceInstance", {indice - 1});
        IdDispositivoNitgen = objDevice.call("MakeDeviceID", {nomeId, instancia}).toInt();
    } else {
        idFechar = std::uint32_t(objDevice.get("openedDeviceID").toInt());
    }
    // 3.
    objDevice.call("Close", {OleVariant::ref(idFechar)});
    objDevice.call("Open", {OleVariant::ref(IdDispositivoNitgen)});
    // 4.
    if (objDevice.get("ErrorCode").toInt() != 0) return false;
    UiServices::dialogs().message(MessageKind::Information,
                                  QStringLiteral("Hamster pronto, informe o número do cartão"),
                                  int(MessageButton::Ok));
    return true;
}

QString TLNControle::CapturarTemplate() {
    try {
        // 1.
        objExtraction.put("WindowStyle", 0);
        objExtraction.put("VerifyImageQuality", 85);
        // 2.
        if (objExtraction.get("ErrorCode").toInt() != 0) return QString();
        // 3. The vendor's capture window.
        objExtraction.call("Capture", {1});
        // 4.
        objFPData.call("Export", {objExtraction.get("FIR"), 7});
        // 5.
        std::int32_t fingerId = objFPData.get("FingerID", {0}).toInt();
        const std::vector<std::uint8_t> bytes =
            objFPData.get("FPData", {OleVariant::ref(fingerId), 0}).toBytes();
        // 6.
        const QString texto = Utils::BytesParaHex(
            QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())));
        // 7.
        UiServices::dialogs().message(MessageKind::Information, QStringLiteral("Retire o dedo!"),
                                      int(MessageButton::Ok));
        return texto;
    } catch (const std::exception& e) {
        // 8. The only diagnostic line the program writes.
        std::fprintf(stderr, "Erro %s\n", e.what());
        std::fflush(stderr);
        return QString();
    }
}
