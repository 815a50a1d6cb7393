// Entries of the configuration's download endpoint table (CT1AppConfig::downloadEndpoints).
#pragma once

namespace TddEndpoint {
constexpr int PasswordMode1Code095 = 0;
constexpr int PasswordMode1Other = 2;
constexpr int PasswordOtherModeCode095 = 4;
constexpr int PasswordOtherModeOther = 6;
constexpr int ServiceHost = 8;
constexpr int ServicePathPrefix = 9;
constexpr int AutoFillService = 10;
constexpr int NoaService = 11;
constexpr int SignInHost = 12;
constexpr int SignInStartPath = 13;
constexpr int SignInScriptUrl = 14;
} // namespace TddEndpoint
