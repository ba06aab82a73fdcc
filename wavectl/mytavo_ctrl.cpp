#include "mytavo_ctrl.h"

#include "com/component_runtime.h"
#include "sapi4/file_rendering.h"
#include "tavo_module.h"
#include "tts_notify_sink.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>
#include <optional>

namespace {

// One rendering: the references it keeps and the text it renders. The text
// and file name are held whole, whatever their length.
std::optional<Sapi4FileRendering> current;

// Runtime holds this module took and has not given back. The holds Speak
// and MyEndOLE release are only ever these, so the caller's own holds are
// never taken from it.
int holdsTaken = 0;

void takeHold()
{
    ComponentRuntime::initialize();
    ++holdsTaken;
}

void releaseHold()
{
    if (holdsTaken > 0 && ComponentRuntime::uninitialize())
        --holdsTaken;
}

class MyTavoWindow : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::black);
        painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
};

// Texts may come as text or as bytes already in the system code page.
std::optional<QByteArray> textArgument(const QVariant &v)
{
    if (v.typeId() == QMetaType::QString)
        return v.toString().toUtf8();
    if (v.typeId() == QMetaType::QByteArray)
        return v.toByteArray();
    return std::nullopt;
}

std::optional<qint32> numberArgument(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        // A 32-bit parameter takes the low 32 bits, as a caller's long would.
        return qint32(v.toLongLong());
    default:
        return std::nullopt;
    }
}

} // namespace

CMyTavoCtrl::CMyTavoCtrl()
{
    TavoModule::lock();
}

CMyTavoCtrl::~CMyTavoCtrl()
{
    DestroyWindow();
    TavoModule::unlock();
}

HRESULT CMyTavoCtrl::QueryInterface(const Guid &iid, void **object)
{
    if (!object)
        return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == DIID__DMyTavo)
        *object = static_cast<IDispatch *>(this);
    else if (iid == IID_IWidgetControl)
        *object = static_cast<IWidgetControl *>(this);
    else if (iid == IID_ISpecifyPropertyPages)
        *object = static_cast<ISpecifyPropertyPages *>(this);
    else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

HRESULT CMyTavoCtrl::GetIDsOfNames(const QString &name, DISPID *id)
{
    static const QList<QPair<QString, DISPID>> members = {
        {QStringLiteral("Speak"), dispidSpeak},         {QStringLiteral("MyStop"), dispidMyStop},
        {QStringLiteral("MyEndOLE"), dispidMyEndOLE},   {QStringLiteral("MyPause"), dispidMyPause},
        {QStringLiteral("MyResume"), dispidMyResume},   {QStringLiteral("MyRelease"), dispidMyRelease},
        {QStringLiteral("AboutBox"), dispidAboutBox},
    };
    if (!id)
        return E_POINTER;
    for (const auto &[member, dispid] : members) {
        if (member.compare(name, Qt::CaseInsensitive) == 0) {
            *id = dispid;
            return S_OK;
        }
    }
    return DISP_E_UNKNOWNNAME;
}

HRESULT CMyTavoCtrl::Invoke(DISPID id, const QVariantList &arguments, QVariant *result)
{
    if (result)
        *result = QVariant();
    if (id == dispidSpeak) {
        if (arguments.size() != 6)
            return DISP_E_BADPARAMCOUNT;
        const auto text = textArgument(arguments.at(0));
        const auto file = textArgument(arguments.at(1));
        const auto name = textArgument(arguments.at(2));
        const auto speed = numberArgument(arguments.at(3));
        const auto pitch = numberArgument(arguments.at(4));
        const auto realTime = numberArgument(arguments.at(5));
        if (!text || !file || !name || !speed || !pitch || !realTime)
            return DISP_E_TYPEMISMATCH;
        const qint32 r = Speak(*text, *file, *name, *speed, *pitch, *realTime);
        if (result)
            *result = r;
        return S_OK;
    }
    void (CMyTavoCtrl::*method)() = nullptr;
    switch (id) {
    case dispidMyStop: method = &CMyTavoCtrl::MyStop; break;
    case dispidMyEndOLE: method = &CMyTavoCtrl::MyEndOLE; break;
    case dispidMyPause: method = &CMyTavoCtrl::MyPause; break;
    case dispidMyResume: method = &CMyTavoCtrl::MyResume; break;
    case dispidMyRelease: method = &CMyTavoCtrl::MyRelease; break;
    case dispidAboutBox: method = &CMyTavoCtrl::AboutBox; break;
    default: return DISP_E_MEMBERNOTFOUND;
    }
    if (!arguments.isEmpty())
        return DISP_E_BADPARAMCOUNT;
    // A member may end in the release of this object's last outside
    // reference; keep it alive to the end of the call.
    AddRef();
    (this->*method)();
    Release();
    return S_OK;
}

QWidget *CMyTavoCtrl::CreateWindow(QWidget *parent)
{
    if (!m_window) {
        m_window = new MyTavoWindow(parent);
        m_window->setToolTip(QStringLiteral("MyTavo Control"));
        m_window->setAccessibleName(QStringLiteral("MyTavo Control"));
    }
    return m_window;
}

void CMyTavoCtrl::DestroyWindow()
{
    delete m_window;
    m_window = nullptr;
}

HRESULT CMyTavoCtrl::GetPages(QList<Guid> *pages)
{
    if (!pages)
        return E_POINTER;
    *pages = {CLSID_MyTavoPropPage};
    return S_OK;
}

qint32 CMyTavoCtrl::Speak(const QByteArray &text, const QByteArray &file, const QByteArray &voiceName,
                          qint32 speed, qint32 pitch, qint32 realTime)
{
    if (current) {
        // One rendering at a time: a second would share the sink and the
        // "WaveEnd" flag with the first.
        qWarning("tavo: Speak refused while a rendering runs");
        return 0;
    }
    // The hold this call releases at its end (the runtime must be held to
    // create the engine objects, whatever the caller holds).
    takeHold();

    Sapi4FileRendering r;
    if (!r.select(voiceName, {quint32(speed), quint16(pitch & 0xFFFF), std::nullopt})) {
        // No engine: nothing is rendered and "WaveEnd" stays as it was.
        qWarning("tavo: no engine for voice \"%s\"", voiceName.constData());
        releaseHold();
        return 0;
    }
    r.destination->RealTimeSet(quint16(realTime & 0xFFFF));
    r.engine->Register(&CTtsNotifySink::instance(), IID_ITTSNotifySinkA, nullptr);
    r.setFile(QString::fromUtf8(file));
    // Kept before the text is handed over: its notifications find it.
    current = std::move(r);
    current->speak(text, TTSDATAFLAG_TAGGED);

    releaseHold();
    return 0;
}

bool CMyTavoCtrl::rendering()
{
    return current.has_value();
}

bool CMyTavoCtrl::releaseRendering(bool flush)
{
    if (!current)
        return false;
    // Taken out first: releasing the engine may bring us back here.
    Sapi4FileRendering r = std::move(*current);
    current.reset();
    if (flush && r.destination)
        r.destination->Flush();
    r.destination.reset();
    r.attributes.reset();
    r.engine.reset();
    return true;
}

void CMyTavoCtrl::MyStop()
{
    if (!current)
        return;
    // AudioReset raises AudioStop now, which releases the rendering: keep
    // the engine until the call has returned.
    const ComPtr<ITTSCentralA> engine = current->engine;
    engine->AudioReset();
}

void CMyTavoCtrl::MyEndOLE()
{
    releaseHold();
}

void CMyTavoCtrl::MyPause()
{
    if (current)
        current->engine->AudioPause();
}

void CMyTavoCtrl::MyResume()
{
    if (current)
        current->engine->AudioResume();
}

void CMyTavoCtrl::MyRelease()
{
    releaseRendering(true);
}

void CMyTavoCtrl::AboutBox()
{
    QDialog dialog(m_window);
    dialog.setWindowTitle(QStringLiteral("About MyTavo Control"));
    dialog.setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    auto *icon = new QLabel(&dialog);
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(Qt::white);
        painter.setPen(Qt::black);
        painter.drawEllipse(QRectF(2.5, 6.5, 27, 19));
    }
    icon->setPixmap(picture);
    auto *text = new QLabel(QStringLiteral("MyTavo Control, Version 1.0"), &dialog);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    auto *row = new QHBoxLayout;
    row->addWidget(icon);
    row->addWidget(text, 1);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addLayout(row);
    layout->addWidget(buttons);
    dialog.exec();
}
