#include "core/shell/datasheet_search.h"

namespace voltaris::datasheet {

namespace {

constexpr std::string_view kIpLine = "Bu Makinanın IP Adresi : ";
constexpr std::string_view kConnected = "İnternete bağlısınız";
constexpr std::string_view kNotConnected = "İnternete bağlı değilsiniz";
constexpr std::string_view kHostNameFailure =
    " has occurred. Unable to successfully get Host Name.";
constexpr std::string_view kNotResponding =
    "Windows Sockets are not responding. Unable to successfully get Host Name.";

// `text` as a JavaScript string literal.
std::string ScriptString(std::string_view text) {
    std::string literal = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
        case '\\':
            literal += '\\';
            literal += c;
            break;
        case '\n':
            literal += "\\n";
            break;
        case '\r':
            literal += "\\r";
            break;
        case '<': // never "</script>" inside a page
            literal += "\\x3c";
            break;
        default:
            literal += c;
        }
    }
    return literal + '"';
}

} // namespace

Sites DefaultSites() {
    return {{{"www.alldatasheet.com", "https://www.alldatasheet.com"},
             {"www.datasheetcatalog.com", "https://search.datasheetcatalog.net"},
             {"www.datasheet4u.com", "https://www.datasheet4u.com"}}};
}

std::optional<Sites> RedirectedSites(std::string_view redirect) {
    Sites sites = DefaultSites();
    std::size_t site = 0;
    std::size_t start = 0;
    while (start <= redirect.size()) {
        const std::size_t end = std::min(redirect.find(',', start), redirect.size());
        std::string_view base = redirect.substr(start, end - start);
        while (base.ends_with('/'))
            base.remove_suffix(1);
        if (base.empty() || site == kSiteCount)
            return std::nullopt;
        sites[site++].base = base;
        start = end + 1;
    }
    if (site != kSiteCount)
        return std::nullopt;
    return sites;
}

Search SearchFor(const Sites& sites, std::size_t site, std::string_view code) {
    const std::string& base = sites.at(site).base;
    switch (site) {
    case 0:
        return {base + "/view.jsp?Searchword=" + std::string(code), {}};
    case 1:
        return {base + "/key/" + std::string(code), {}};
    default:
        return {base + "/", FormScript(code)};
    }
}

std::string FormScript(std::string_view code) {
    return "(function () {\n"
           "  var has = function (form) { return form && form.elements['sWord']; };\n"
           "  var form = document.forms[2];\n"
           "  for (var i = 0; !has(form) && i < document.forms.length; ++i)\n"
           "    form = document.forms[i];\n"
           "  if (!has(form)) return false;\n"
           "  form.elements['sWord'].value = " +
           ScriptString(code) +
           ";\n"
           "  HTMLFormElement.prototype.submit.call(form);\n"
           "  return true;\n"
           "})();";
}

NetworkStatus StatusOf(const NetworkFacts& facts) {
    NetworkStatus status;
    const NetworkFacts::Address* address = nullptr;
    for (const NetworkFacts::Address& candidate : facts.addresses) {
        if (!candidate.loopback) {
            address = &candidate;
            break;
        }
    }
    status.connected = address != nullptr;
    status.connection = status.connected ? kConnected : kNotConnected;

    std::string shown;
    if (facts.hostName.empty())
        status.failure = "Windows Sockets error " + std::to_string(facts.hostNameError) +
                         std::string(kHostNameFailure);
    else if (facts.addresses.empty())
        status.failure = kNotResponding;
    else
        shown = address ? address->text : facts.addresses.front().text;
    status.ipLine = std::string(kIpLine) + shown;
    return status;
}

} // namespace voltaris::datasheet
