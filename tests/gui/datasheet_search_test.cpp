// The datasheet search window against three local copies of the search sites: the web module is
// loaded only when the window opens, each site is asked for its own address (the third through
// its search form), and the status line and the progress bar follow the browser.
#include "app/startup.h"
#include "gui/colours.h"
#include "gui/dialogs.h"
#include "gui/forms.h"
#include "gui/window_registry.h"
#include "silent_dialogs.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

using namespace voltaris;
using namespace voltaris::gui;

namespace {

// A search site on 127.0.0.1: it notes the path and query of every page asked for and answers
// with `home` at "/", a plain page elsewhere.
class LocalSite : public QTcpServer {
public:
    explicit LocalSite(QByteArray home = {}) : home_(std::move(home)) {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { answer(socket); });
        });
        listen(QHostAddress::LocalHost);
    }
    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(serverPort()); }
    QStringList asked; // "/view.jsp?Searchword=LM317", favicons left out

private:
    void answer(QTcpSocket* socket) {
        const QByteArray request = socket->peek(socket->bytesAvailable());
        if (!request.contains("\r\n\r\n"))
            return; // the rest of the head is still coming
        socket->readAll();
        const QString target = QString::fromLatin1(request.split(' ').value(1));
        if (target != QStringLiteral("/favicon.ico"))
            asked.append(target);
        const QByteArray body =
            target == QStringLiteral("/") && !home_.isEmpty()
                ? home_
                : "<html><body><p>" + target.toHtmlEscaped().toUtf8() + "</p></body></html>";
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\n"
                      "Connection: close\r\nContent-Length: " +
                      QByteArray::number(body.size()) + "\r\n\r\n" + body);
        socket->disconnectFromHost();
    }
    QByteArray home_;
};

// The third site's home page: its search field "sWord" is in the third form.
const QByteArray kFormHome = R"(<html><body>
<form action="/login"><input name="user"></form>
<form action="/news"><input name="mail"></form>
<form action="/search.php" method="get"><input name="sWord"><input type="submit"></form>
</body></html>)";

bool webEngineLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngineCore");
}

} // namespace

class DatasheetSearchTest : public QObject {
    Q_OBJECT

    SilentDialogs dialogs_;
    LocalSite first_;
    LocalSite second_;
    LocalSite third_{kFormHome};
    QWidget* window_ = nullptr;
    QStringList messages_; // every text the status line showed

    template <class T> T* control(const char* name) {
        T* found = window_->findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("%s missing", name);
        return found;
    }
    QString status() { return control<QStatusBar>("StatusBar1")->currentMessage(); }

    // Types `typed` with the caret at `caret`, chooses `option` and presses "ARA".
    void search(const char* option, const QString& typed, int caret) {
        control<QRadioButton>(option)->click();
        auto* code = control<QLineEdit>("Text1");
        code->setText(typed);
        code->setCursorPosition(caret);
        messages_.clear();
        control<QPushButton>("Command1")->click();
        QCOMPARE(code->text(), typed.toUpper());
        QCOMPARE(code->cursorPosition(), caret);
    }

    // The status line's texts for one navigation to `address`, ending with its address.
    void checkStatusFor(const QString& address) {
        QTRY_COMPARE_WITH_TIMEOUT(status(), address, 15000);
        QVERIFY2(messages_.contains(QStringLiteral("Sayfaya Bağlanıyor...") + address),
                 qPrintable(messages_.join('|')));
        QVERIFY(messages_.contains(QStringLiteral("Yükleniyor")));
        QVERIFY(messages_.contains(QStringLiteral("Aktif sayfa :")));
        QTRY_COMPARE(control<QProgressBar>("ProgressBar1")->value(), 100);
    }

private slots:
    void initTestCase() {
        QVERIFY(first_.isListening() && second_.isListening() && third_.isListening());
        qputenv("VOLTARIS_DATASHEET_SITES",
                (first_.base() + ',' + second_.base() + ',' + third_.base()).toUtf8());
        app::registerWindows();
        Dialogs::install(&dialogs_);
    }

    void theWebEngineLoadsWithTheWindow() {
        QWidget* menu = window(forms::kMainMenu);
        menu->show();
        QVERIFY(!webEngineLoaded());
        auto* opener = menu->findChild<QPushButton*>(QStringLiteral("Command16"));
        QVERIFY(opener && opener->isEnabled());
        opener->click();
        window_ = WindowRegistry::instance().existing(forms::kDatasheetSearch);
        QVERIFY(window_ && window_->isVisible() && !menu->isVisible());
        QVERIFY(webEngineLoaded());
        QCOMPARE(window_->windowTitle(),
                 QStringLiteral("Elektronik Elemanların Kataloğlarını İnternette Arama"));
        QVERIFY(window_->findChild<QWidget*>(QStringLiteral("WebBrowser1")));
        QVERIFY(control<QRadioButton>("Option1")->isChecked());
        QCOMPARE(control<QRadioButton>("Option2")->text(),
                 QStringLiteral("www.datasheetcatalog.com"));
        connect(control<QStatusBar>("StatusBar1"), &QStatusBar::messageChanged, this,
                [this](const QString& text) { messages_.append(text); });
    }

    void theNetworkStatusIsShownAtOnce() {
        const QString address = control<QLabel>("Label2")->text();
        QVERIFY2(address.startsWith(QStringLiteral("Bu Makinanın IP Adresi : ")),
                 qPrintable(address));
        const QString connection = control<QLabel>("Label3")->text();
        const bool connected = connection == QStringLiteral("İnternete bağlısınız");
        QVERIFY(connected || connection == QStringLiteral("İnternete bağlı değilsiniz"));
        QCOMPARE(meaningColour(control<QWidget>("Shape1")),
                 connected ? QColor(0, 192, 0) : QColor(255, 0, 0));
        QCOMPARE(address.endsWith(QStringLiteral("127.0.0.1")), !connected);
    }

    void eachSiteIsAskedForItsOwnAddress() {
        search("Option1", QStringLiteral("lm317"), 2);
        checkStatusFor(first_.base() + QStringLiteral("/view.jsp?Searchword=LM317"));
        QCOMPARE(first_.asked, QStringList{QStringLiteral("/view.jsp?Searchword=LM317")});

        search("Option2", QStringLiteral("bc547b"), 6);
        checkStatusFor(second_.base() + QStringLiteral("/key/BC547B"));
        QCOMPARE(second_.asked, QStringList{QStringLiteral("/key/BC547B")});

        // The home page first; once it is complete its third form is filled and submitted.
        search("Option3", QStringLiteral("ne555"), 0);
        QTRY_COMPARE_WITH_TIMEOUT(third_.asked.size(), 2, 15000);
        QCOMPARE(third_.asked,
                 (QStringList{QStringLiteral("/"), QStringLiteral("/search.php?sWord=NE555")}));
        checkStatusFor(third_.base() + QStringLiteral("/search.php?sWord=NE555"));
        QVERIFY(messages_.contains(QStringLiteral("Sayfaya Bağlanıyor...") + third_.base() + '/'));
    }

    void aClickOnTheWindowShowsTheAddress() {
        control<QStatusBar>("StatusBar1")->showMessage(QStringLiteral("-"));
        QTest::mouseClick(window_, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(status(), third_.base() + QStringLiteral("/search.php?sWord=NE555"));
        QTest::qWait(300); // the page's last frame reaches the view
        window_->grab().save(QStringLiteral("/tmp/voltaris-datasheet-search.png"));
    }

    void cleanupTestCase() { WindowRegistry::instance().destroyAll(); }
};

int main(int argc, char* argv[]) {
    // Containers rarely allow Chromium's sandbox; the pages are the test's own.
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication application(argc, argv);
    DatasheetSearchTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "datasheet_search_test.moc"
