// The datasheet search: the three search sites, the addresses a search asks for, the script that
// fills the third site's search form, and the network status line of this machine.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace voltaris::datasheet {

// A search site: its host name (the option's caption) and the base address its searches go to.
struct Site {
    std::string caption;
    std::string base; // scheme and host, no trailing '/'
};

inline constexpr std::size_t kSiteCount = 3;
using Sites = std::array<Site, kSiteCount>;

// The sites as the user knows them: www.alldatasheet.com (its search page "/view.jsp"),
// www.datasheetcatalog.com (its search host "/key/<code>") and www.datasheet4u.com (a search form
// on its home page).
Sites DefaultSites();

// The sites with their base addresses replaced by `redirect`, three addresses separated by ','
// (a developer's local copy of the sites); the captions stay. Nothing when `redirect` does not
// hold exactly three non-empty addresses.
std::optional<Sites> RedirectedSites(std::string_view redirect);

// What a search asks the browser to do: go to `address`, and with a non-empty `formScript` run
// it once that page's document is complete.
struct Search {
    std::string address;
    std::string formScript;
};

// The search on site `site` (0, 1 or 2) for `code`, appended unchanged (no escaping): the first
// site's "/view.jsp?Searchword=<code>", the second's "/key/<code>", the third site's home page
// and then its search form, the field "sWord" filled with the code and the form submitted.
Search SearchFor(const Sites& sites, std::size_t site, std::string_view code);

// The script that puts `code` into the field "sWord" of the page's third form and submits it.
// Where the third form has no such field (the site moved it), it uses the first form that has
// one; it does nothing on a page without one.
std::string FormScript(std::string_view code);

// What this machine's network interfaces tell: its host name (empty when it cannot be had, with
// the platform's error number), and its IPv4 addresses in dotted decimal form, loopback
// addresses included, in the platform's order.
struct NetworkFacts {
    std::string hostName;
    int hostNameError = 0;
    struct Address {
        std::string text;
        bool loopback = false;
    };
    std::vector<Address> addresses;
};

// The status line the window shows.
struct NetworkStatus {
    std::string ipLine;     // Label2
    std::string connection; // Label3
    bool connected = false; // the lamp: green when connected, red when not
    std::string failure;    // a box to show, or empty
};

// The address is the first that is not a loopback address; a machine with none shows its first
// (loopback) address and is not connected. Without a host name or without any address the
// address is empty, the machine not connected, and `failure` names what failed.
NetworkStatus StatusOf(const NetworkFacts& facts);

} // namespace voltaris::datasheet
