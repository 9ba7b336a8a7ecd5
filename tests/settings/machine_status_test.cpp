#include "settings/machine_status.h"

#include "resource_ids.h"

#include <gtest/gtest.h>

TEST(MachineStatus, EachOptionByteNamesItsTextAndTheMemoryIsItsMbytes) {
    MachineInformation information;
    information.adfUnit = 1;
    information.optionTray = 1;
    information.duplexUnit = 0;
    information.nicKit = 2;
    information.memoryMbytes = 0x0040;
    EXPECT_EQ(machineOptionLines(information),
              (std::vector<OptionStatusLine>{{IDC_MACHINE_STATUS_ADF, IDS_INSTALLED},
                                             {IDC_MACHINE_STATUS_OPTION_TRAY, IDS_TRAY_2_INSTALLED},
                                             {IDC_MACHINE_STATUS_DUPLEX, IDS_NOT_INSTALLED},
                                             {IDC_MACHINE_STATUS_NIC_KIT, IDS_INSTALLED}}));
    EXPECT_EQ(machineMemoryText(information), "64");

    information.optionTray = 2; // trays this machine never reports
    EXPECT_EQ(machineOptionLines(information)[1].stringId, IDS_NOT_INSTALLED);
    information.memoryMbytes = 65535;
    EXPECT_EQ(machineMemoryText(information), "65535");
}
