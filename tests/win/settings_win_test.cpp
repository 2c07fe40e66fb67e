#include "settings/registry_win.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/forms.h"
#include "settings/start_with_system.h"

namespace settings {
namespace {

// A key of its own per run, removed again, so the test never touches real settings.
class RegistrySettingsStoreTest : public testing::Test {
protected:
    void SetUp() override {
        key_ = "Software\\TavelonTest" + std::to_string(GetCurrentProcessId());
        wkey_ = std::wstring(key_.begin(), key_.end());
    }
    void TearDown() override { RegDeleteKeyW(HKEY_CURRENT_USER, wkey_.c_str()); }

    // Stores raw bytes of any type, as another program might have left them.
    void PutRaw(const wchar_t* name, DWORD type, const void* data, DWORD bytes) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, wkey_.c_str(), 0, nullptr, 0, KEY_WRITE,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        EXPECT_EQ(RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), bytes),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }

    // The stored type and byte count, read past our adapter.
    bool Stored(const wchar_t* name, DWORD& type, DWORD& bytes) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, wkey_.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
            return false;
        }
        const bool found =
            RegQueryValueExW(key, name, nullptr, &type, nullptr, &bytes) == ERROR_SUCCESS;
        RegCloseKey(key);
        return found;
    }

    // Wine's RegSetValueExW appends a NUL to string data that lacks one, so there the stored
    // count is one unit longer whatever the writer passed; Windows keeps the count given.
    static DWORD StoredTextBytes(std::size_t units) {
        const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version");
        return DWORD((units + (wine ? 1 : 0)) * sizeof(wchar_t));
    }

    RegistrySettingsStore store_;
    std::string key_;
    std::wstring wkey_;
};

TEST_F(RegistrySettingsStoreTest, RoundTripStoresRegSzWithoutTheNul) {
    EXPECT_EQ(store_.Read(key_, "ZS"), "");  // no key yet
    ASSERT_TRUE(store_.Write(key_, "ZS", "8453888"));
    DWORD type = 0, bytes = 0;
    ASSERT_TRUE(Stored(L"ZS", type, bytes));
    EXPECT_EQ(type, DWORD(REG_SZ));
    EXPECT_EQ(bytes, StoredTextBytes(7));
    EXPECT_EQ(store_.Read(key_, "ZS"), "8453888");

    ASSERT_TRUE(store_.Write(key_, "L1", AlarmTimeText(std::chrono::minutes{650})));
    EXPECT_EQ(store_.Read(key_, "L1"), "0.4513888888888889");
    ASSERT_TRUE(store_.Write(key_, "名", "闹钟 天历"));
    ASSERT_TRUE(Stored(L"名", type, bytes));
    EXPECT_EQ(bytes, StoredTextBytes(5));
    EXPECT_EQ(store_.Read(key_, "名"), "闹钟 天历");
}

TEST_F(RegistrySettingsStoreTest, DeletingTheKeyRemovesEveryValue) {
    ASSERT_TRUE(store_.Write(key_, "L1", "0.5"));
    ASSERT_TRUE(store_.Write(key_, "ZS", "255"));
    EXPECT_TRUE(store_.Delete(key_, "L1"));
    EXPECT_FALSE(store_.Delete(key_, "L1"));  // already gone
    EXPECT_EQ(store_.Read(key_, "ZS"), "255");
    EXPECT_TRUE(DeleteSetting(store_, key_, ""));
    EXPECT_EQ(store_.Read(key_, "ZS"), "");
    HKEY key = nullptr;
    EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, wkey_.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
    EXPECT_FALSE(store_.Delete(key_, ""));
    EXPECT_FALSE(store_.Delete(key_, "ZS"));
}

TEST_F(RegistrySettingsStoreTest, OddStoredValuesReadSafely) {
    const DWORD dword = 0x00320031;  // the bytes of UTF-16 "12"
    PutRaw(L"dword", REG_DWORD, &dword, sizeof dword);
    EXPECT_EQ(store_.Read(key_, "dword"), "12");

    const char odd[] = {'3', 0, '4', 0, '5'};
    PutRaw(L"odd", REG_BINARY, odd, sizeof odd);
    EXPECT_EQ(store_.Read(key_, "odd"), "34");

    const wchar_t withNul[] = L"7\0xyz";
    PutRaw(L"nul", REG_SZ, withNul, sizeof withNul);
    EXPECT_EQ(store_.Read(key_, "nul"), "7");

    const wchar_t multi[] = L"1\0002\0";
    PutRaw(L"multi", REG_MULTI_SZ, multi, sizeof multi);
    EXPECT_EQ(store_.Read(key_, "multi"), "1");

    PutRaw(L"empty", REG_SZ, L"", 0);
    EXPECT_EQ(store_.Read(key_, "empty"), "");

    // 1023 units and room for a NUL fit the 2048-byte buffer; longer texts read as not set.
    const std::wstring full(1023, L'9');
    PutRaw(L"full", REG_SZ, full.data(), DWORD(full.size() * 2));
    EXPECT_EQ(store_.Read(key_, "full"), std::string(1023, '9'));
    const std::wstring over(1025, L'9');
    PutRaw(L"over", REG_SZ, over.data(), DWORD(over.size() * 2));
    EXPECT_EQ(store_.Read(key_, "over"), "");
    const std::wstring huge(40000, L'9');
    PutRaw(L"huge", REG_SZ, huge.data(), DWORD(huge.size() * 2));
    EXPECT_EQ(store_.Read(key_, "huge"), "");
}

TEST_F(RegistrySettingsStoreTest, SettingsLoadFromTheRegistry) {
    ASSERT_TRUE(store_.Write(key_, "BS", "2"));
    EXPECT_EQ(ChimeModeFromText(ReadSetting(store_, key_, "BS")), 2);
    const DWORD dword = 5;  // not text: no number, so it reads as 0
    PutRaw(L"ZS", REG_DWORD, &dword, sizeof dword);
    EXPECT_EQ(ColourFromText(ReadSetting(store_, key_, "ZS")), 0u);
}

// The Run value of this prefix is put back as it was.
TEST(StartWithSystemRegistry, SetTwiceRemoveTwice) {
    RegistrySettingsStore store;
    const std::string before = store.Read(kRunKey, kRunValue);

    ASSERT_TRUE(SetStartWithSystem(store, "C:\\Program Files\\Tavelon\\", "tavelon.exe"));
    ASSERT_TRUE(SetStartWithSystem(store, "C:\\Program Files\\Tavelon\\", "tavelon.exe"));
    EXPECT_EQ(store.Read(kRunKey, kRunValue), "\"C:\\Program Files\\Tavelon\\tavelon.exe\"");
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                            0, KEY_READ, &key),
              ERROR_SUCCESS);
    DWORD count = 0;
    std::vector<wchar_t> name(256);
    int named = 0;
    RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr,
                     nullptr, nullptr, nullptr);
    for (DWORD i = 0; i < count; ++i) {
        DWORD size = DWORD(name.size());
        if (RegEnumValueW(key, i, name.data(), &size, nullptr, nullptr, nullptr, nullptr) ==
                ERROR_SUCCESS &&
            std::wstring(name.data(), size) == L"Tavelon") {
            ++named;
        }
    }
    RegCloseKey(key);
    EXPECT_EQ(named, 1);

    ASSERT_TRUE(SetStartWithSystem(store, "C:\\Tools\\", "tavelon.exe"));
    EXPECT_EQ(store.Read(kRunKey, kRunValue), "C:\\Tools\\tavelon.exe");
    EXPECT_TRUE(RemoveStartWithSystem(store));
    EXPECT_EQ(store.Read(kRunKey, kRunValue), "");
    EXPECT_FALSE(RemoveStartWithSystem(store));

    if (!before.empty()) store.Write(kRunKey, kRunValue, before);
}

}  // namespace
}  // namespace settings
