// One simulated machine: every port's simulated side, bundled as a Platform.
#pragma once
#include "platform/Platform.h"
#include "platform/sim/SimCodePage.h"
#include "platform/sim/SimDosDevices.h"
#include "platform/sim/SimFileSystem.h"
#include "platform/sim/SimProcess.h"
#include "platform/sim/SimRegistry.h"
#include "platform/sim/SimShell.h"
#include "platform/sim/SimWindowing.h"

namespace plivant::platform::sim {

struct SimPlatform {
    SimPlatform() { files.UseCodePage(codePage); }
    SimPlatform(const SimPlatform&) = delete;
    SimPlatform& operator=(const SimPlatform&) = delete;

    SimDosDevices dosDevices;
    SimFileSystem files;
    SimRegistry registry;
    SimProcess process;
    SimShell shell;
    SimWindowing windowing;
    SimCodePage codePage;

    Platform Ports() { return Platform{dosDevices, files, registry, process, shell, windowing, codePage}; }
};

}  // namespace plivant::platform::sim
