#include "core/shell/datasheet_search.h"

#include <gtest/gtest.h>

namespace voltaris::datasheet {
namespace {

TEST(DatasheetSearch, EachSiteAsksForItsOwnAddressWithTheCodeUnchanged) {
    const Sites sites = DefaultSites();
    EXPECT_EQ(SearchFor(sites, 0, "LM317").address,
              "https://www.alldatasheet.com/view.jsp?Searchword=LM317");
    EXPECT_EQ(SearchFor(sites, 1, "LM317").address,
              "https://search.datasheetcatalog.net/key/LM317");
    // No escaping: what the user typed goes as it is.
    EXPECT_EQ(SearchFor(sites, 1, "BC 547/B").address,
              "https://search.datasheetcatalog.net/key/BC 547/B");
    EXPECT_TRUE(SearchFor(sites, 0, "LM317").formScript.empty());
    EXPECT_TRUE(SearchFor(sites, 1, "LM317").formScript.empty());

    const Search third = SearchFor(sites, 2, "LM317");
    EXPECT_EQ(third.address, "https://www.datasheet4u.com/");
    EXPECT_EQ(third.formScript, FormScript("LM317"));
}

TEST(DatasheetSearch, TheFormScriptCarriesAnyCodeAsOneString) {
    const std::string script = FormScript("LM317");
    EXPECT_NE(script.find("document.forms[2]"), std::string::npos);
    EXPECT_NE(script.find("form.elements['sWord'].value = \"LM317\";"), std::string::npos);
    // Quotes, backslashes and a closing tag cannot end the string or the page's script.
    const std::string odd = FormScript("A\"B\\C</script>");
    EXPECT_NE(odd.find("= \"A\\\"B\\\\C\\x3c/script>\";"), std::string::npos);
}

TEST(DatasheetSearch, RedirectionReplacesTheBasesAndKeepsTheCaptions) {
    const std::optional<Sites> sites =
        RedirectedSites("http://127.0.0.1:8001,http://127.0.0.1:8002/,http://127.0.0.1:8003");
    ASSERT_TRUE(sites);
    EXPECT_EQ((*sites)[0].caption, "www.alldatasheet.com");
    EXPECT_EQ(SearchFor(*sites, 0, "X").address, "http://127.0.0.1:8001/view.jsp?Searchword=X");
    EXPECT_EQ(SearchFor(*sites, 1, "X").address, "http://127.0.0.1:8002/key/X");
    EXPECT_EQ(SearchFor(*sites, 2, "X").address, "http://127.0.0.1:8003/");

    EXPECT_FALSE(RedirectedSites(""));
    EXPECT_FALSE(RedirectedSites("http://a,http://b"));
    EXPECT_FALSE(RedirectedSites("http://a,,http://c"));
    EXPECT_FALSE(RedirectedSites("http://a,http://b,http://c,http://d"));
}

NetworkFacts facts(std::vector<NetworkFacts::Address> addresses, std::string host = "atolye") {
    return {std::move(host), 0, std::move(addresses)};
}

TEST(DatasheetSearch, TheStatusShowsTheFirstAddressBeyondLoopback) {
    const NetworkStatus connected =
        StatusOf(facts({{"127.0.0.1", true}, {"192.168.1.20", false}, {"10.0.0.5", false}}));
    EXPECT_EQ(connected.ipLine, "Bu Makinanın IP Adresi : 192.168.1.20");
    EXPECT_EQ(connected.connection, "İnternete bağlısınız");
    EXPECT_TRUE(connected.connected);
    EXPECT_EQ(connected.failure, "");

    const NetworkStatus alone = StatusOf(facts({{"127.0.0.1", true}}));
    EXPECT_EQ(alone.ipLine, "Bu Makinanın IP Adresi : 127.0.0.1");
    EXPECT_EQ(alone.connection, "İnternete bağlı değilsiniz");
    EXPECT_FALSE(alone.connected);
    EXPECT_EQ(alone.failure, "");
}

TEST(DatasheetSearch, APlatformFailureLeavesTheAddressEmptyAndSaysWhat) {
    NetworkFacts nameless = facts({{"127.0.0.1", true}, {"192.168.1.20", false}}, "");
    nameless.hostNameError = 22;
    const NetworkStatus noName = StatusOf(nameless);
    EXPECT_EQ(noName.ipLine, "Bu Makinanın IP Adresi : ");
    EXPECT_EQ(noName.failure,
              "Windows Sockets error 22 has occurred. Unable to successfully get Host Name.");
    // The connection follows the interfaces, which still answered.
    EXPECT_TRUE(noName.connected);

    const NetworkStatus noAddress = StatusOf(facts({}));
    EXPECT_EQ(noAddress.ipLine, "Bu Makinanın IP Adresi : ");
    EXPECT_EQ(noAddress.failure,
              "Windows Sockets are not responding. Unable to successfully get Host Name.");
    EXPECT_EQ(noAddress.connection, "İnternete bağlı değilsiniz");
    EXPECT_FALSE(noAddress.connected);
}

} // namespace
} // namespace voltaris::datasheet
