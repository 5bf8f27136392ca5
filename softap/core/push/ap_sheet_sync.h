#pragma once
// What the configuration pushes ask of the main sheet, which implements this: after the
// encryption step it shows or removes the WDS page by g_Ap.wdsAllowed.
namespace softap {

class IApSheetSync {
public:
    virtual ~IApSheetSync() = default;
    virtual void SyncWdsPage() = 0;
};

}  // namespace softap
