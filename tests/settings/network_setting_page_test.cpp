#include "settings/network_setting_page.h"

#include "resource_ids.h"

#include <gtest/gtest.h>

namespace {

constexpr uint32_t ip(uint32_t a, uint32_t b, uint32_t c, uint32_t d) {
    return (a << 24) | (b << 16) | (c << 8) | d;
}

} // namespace

TEST(NetworkSettingPage, AddressChecksRefuseTheReservedNetworksAndHosts) {
    for (uint32_t refused : {ip(127, 0, 0, 1), ip(192, 168, 1, 0), ip(192, 168, 1, 255),
                             ip(0, 1, 2, 3), ip(224, 0, 0, 5), 0u, 0xFFFFFFFFu})
        EXPECT_FALSE(validHostAddress(refused)) << std::hex << refused;
    EXPECT_TRUE(validHostAddress(ip(192, 168, 1, 10)));
    EXPECT_TRUE(validHostAddress(ip(225, 0, 0, 5)));
    EXPECT_FALSE(validSubnetMask(0));
    EXPECT_FALSE(validSubnetMask(0xFFFFFFFF));
    EXPECT_TRUE(validSubnetMask(ip(255, 255, 255, 0)));

    SettingsMirror mirror;
    PageMemory memory;
    PageContext context{mirror, 1, &memory};
    const auto check = [&] { return networkSettingPage().check(context, CheckMoment::applying); };
    EXPECT_EQ(check(), std::nullopt) << "automatic assignment checks no address";
    clickControl(networkSettingPage(), context, IDC_IP_FIXED, true);
    setAddress(networkSettingPage(), context, IDC_IP_ADDRESS, ip(127, 0, 0, 1));
    EXPECT_EQ(check(), (Refusal{IDC_IP_ADDRESS, IDS_ADDRESS_NOT_USABLE}));
    setAddress(networkSettingPage(), context, IDC_IP_ADDRESS, ip(192, 168, 1, 10));
    setAddress(networkSettingPage(), context, IDC_GATEWAY, ip(192, 168, 1, 1));
    EXPECT_EQ(check(), (Refusal{IDC_SUBNET_MASK, IDS_SUBNET_MASK_NOT_USABLE}));
    setAddress(networkSettingPage(), context, IDC_SUBNET_MASK, ip(255, 255, 255, 0));
    EXPECT_EQ(check(), std::nullopt);

    // The server address is stored with its first field last, and checked
    // as typed.
    clickControl(networkSettingPage(), context, IDC_SERVER_ON, true);
    setAddress(networkSettingPage(), context, IDC_SERVER_ADDRESS, ip(10, 0, 0, 5));
    EXPECT_EQ(mirror.serverAddress, ip(5, 0, 0, 10));
    EXPECT_EQ(check(), std::nullopt);
    for (uint32_t typed : {ip(127, 0, 0, 1), ip(10, 0, 0, 255)}) {
        setAddress(networkSettingPage(), context, IDC_SERVER_ADDRESS, typed);
        EXPECT_EQ(check()->controlId, IDC_SERVER_ADDRESS) << std::hex << typed;
    }
}

TEST(NetworkSettingPage, OnlyAChangedValueMarksTheNetworkChanged) {
    SettingsMirror mirror;
    mirror.addressAssignment = 1;
    mirror.ipAddress = ip(192, 168, 1, 10);
    mirror.serverAddress = ip(5, 0, 0, 10);
    PageMemory memory;
    PageContext context{mirror, 1, &memory};
    EXPECT_FALSE(setAddress(networkSettingPage(), context, IDC_IP_ADDRESS, ip(192, 168, 1, 10)));
    EXPECT_FALSE(setAddress(networkSettingPage(), context, IDC_SERVER_ADDRESS, ip(10, 0, 0, 5)));
    EXPECT_FALSE(clickControl(networkSettingPage(), context, IDC_IP_FIXED, true));
    EXPECT_FALSE(memory.networkChanged);
    EXPECT_EQ(networkSettingPage().commit(context), CommitEffect::none);
    EXPECT_TRUE(setAddress(networkSettingPage(), context, IDC_IP_ADDRESS, ip(192, 168, 1, 11)));
    EXPECT_EQ(networkSettingPage().commit(context), CommitEffect::networkChanged);
    EXPECT_EQ(networkSettingPage().commit(context), CommitEffect::none) << "once per change";

    // The address fields follow the assignment; a locked server stays off.
    mirror.addressAssignment = 0;
    mirror.serverAddressEnabled = 0x80;
    mirror.machineInformation.byte9 = 1;
    std::vector<ControlState> states = pageView(networkSettingPage(), context);
    EXPECT_EQ(findState(states, IDC_GATEWAY)->enabled, false);
    EXPECT_EQ(findState(states, IDC_SERVER_ADDRESS)->enabled, false);
    EXPECT_EQ(findState(states, IDC_SERVER_ADDRESS)->address, ip(10, 0, 0, 5));
}
