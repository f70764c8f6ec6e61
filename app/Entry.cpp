#include "app/Entry.h"

#include <memory>

#include "app/PathCopy.h"
#include "tray/Ftool.h"

namespace vnl {

namespace {

void RunResident(Platform& platform, IInstanceLock& lock, bool& owned) {
    // A start while an instance runs ends at once. Two starts at the same
    // moment can both pass the probe, so an existing object at creation
    // counts as a running instance too.
    if (lock.Exists(kInstanceName)) return;
    const IInstanceLock::CreateResult created = lock.Create(kInstanceName);
    if (created == IInstanceLock::CreateResult::AlreadyExists) return;
    owned = created == IInstanceLock::CreateResult::Owned;

    IApplication& app = platform.app;
    app.Initialize();
    app.SetTitle("Vantelo Plus");
    app.HideWindow();
    auto form = std::make_unique<TFVNL>(platform);
    form->SetMainForm(true);
    form->FormCreate();
    app.Run();
    if (owned) lock.Release();
    owned = false;
}

}  // namespace

int VanteloMain(const std::vector<std::string>& args, Platform& platform, IInstanceLock& lock) {
    bool owned = false;
    try {
        if (!args.empty())
            RunPathCopy(args, platform.files, platform.clipboard);
        else
            RunResident(platform, lock, owned);
    } catch (const std::exception& e) {
        platform.app.ShowException(e);
    } catch (...) {
        platform.app.ShowException(UnknownException());
    }
    if (owned) lock.Release();
    return 0;
}

}  // namespace vnl
