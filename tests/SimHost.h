// A simulated machine with the headless toolkit on its screen, and a form on it, for the tests of controls and windows.
#pragma once
#include <gtest/gtest.h>

#include "platform/sim/SimPlatform.h"
#include "ui/Form.h"
#include "ui/sim/HeadlessToolkit.h"

namespace plivant::test {

struct SimScreen {
    platform::sim::SimPlatform sim;
    platform::sim::SimWindowing& windowing = sim.windowing;
    platform::sim::SimShell& shell = sim.shell;
    ui::sim::HeadlessToolkit toolkit{sim.windowing, sim.shell};
    platform::Platform ports = sim.Ports();
};

class SimScreenTest : public testing::Test, public SimScreen {};

class FormTest : public SimScreenTest {
protected:
    ui::Form form{toolkit, "frmHost"};
};

}  // namespace plivant::test
