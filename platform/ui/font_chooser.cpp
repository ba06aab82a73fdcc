#include "ui/font_chooser.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

FontChooser::FontChooser(const QFont &font, const QColor &colour, QWidget *parent, const QColor &background)
    : QDialog(parent)
    , m_colour(colour)
    , m_background(background)
{
    setWindowTitle(tr("Font"));
    m_face = new QFontComboBox(this);
    m_face->setCurrentFont(font);
    m_size = new QDoubleSpinBox(this);
    m_size->setRange(1, 400);
    m_size->setDecimals(1);
    m_size->setSingleStep(0.5);
    m_size->setSuffix(tr(" pt"));
    m_size->setValue(font.pointSizeF() > 0 ? font.pointSizeF() : 10.5);
    m_bold = new QCheckBox(tr("&Bold"), this);
    m_bold->setChecked(font.bold());
    m_italic = new QCheckBox(tr("&Italic"), this);
    m_italic->setChecked(font.italic());
    m_underline = new QCheckBox(tr("&Underline"), this);
    m_underline->setChecked(font.underline());
    m_strikeOut = new QCheckBox(tr("Stri&keout"), this);
    m_strikeOut->setChecked(font.strikeOut());
    m_colourButton = new QPushButton(tr("&Colour…"), this);
    m_preview = new QLabel(tr("The quick brown fox jumps over the lazy dog."), this);
    m_preview->setMinimumHeight(60);
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setFrameShape(QFrame::StyledPanel);
    m_preview->setAutoFillBackground(true);

    auto *form = new QFormLayout;
    form->addRow(tr("&Face:"), m_face);
    form->addRow(tr("&Size:"), m_size);
    auto *styles = new QHBoxLayout;
    for (QWidget *box : {static_cast<QWidget *>(m_bold), static_cast<QWidget *>(m_italic),
                         static_cast<QWidget *>(m_underline), static_cast<QWidget *>(m_strikeOut)})
        styles->addWidget(box);
    form->addRow(tr("Style:"), styles);
    form->addRow(tr("Text colour:"), m_colourButton);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_preview);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_colourButton, &QPushButton::clicked, this, [this] {
        const QColor chosen = QColorDialog::getColor(m_colour, this, tr("Text colour"));
        if (chosen.isValid())
            setColour(chosen);
    });
    connect(m_face, &QFontComboBox::currentFontChanged, this, &FontChooser::updatePreview);
    connect(m_size, &QDoubleSpinBox::valueChanged, this, &FontChooser::updatePreview);
    for (QCheckBox *box : {m_bold, m_italic, m_underline, m_strikeOut})
        connect(box, &QCheckBox::toggled, this, &FontChooser::updatePreview);
    setColour(colour);
}

QFont FontChooser::selectedFont() const
{
    QFont font = m_face->currentFont();
    font.setPointSizeF(m_size->value());
    font.setWeight(m_bold->isChecked() ? QFont::Bold : QFont::Normal);
    font.setItalic(m_italic->isChecked());
    font.setUnderline(m_underline->isChecked());
    font.setStrikeOut(m_strikeOut->isChecked());
    return font;
}

QColor FontChooser::selectedColour() const
{
    return m_colour;
}

void FontChooser::setColour(const QColor &colour)
{
    m_colour = colour;
    // Framed, so a white swatch shows on a white button.
    QPixmap swatch(24, 14);
    swatch.fill(colour);
    QPainter painter(&swatch);
    painter.setPen(QColor(Qt::darkGray));
    painter.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    painter.end();
    m_colourButton->setIcon(QIcon(swatch));
    updatePreview();
}

void FontChooser::updatePreview()
{
    m_preview->setFont(selectedFont());
    QPalette palette = m_preview->palette();
    palette.setColor(QPalette::WindowText, m_colour);
    QColor background = m_background;
    if (!background.isValid())
        background = m_colour.lightnessF() > 0.5 ? QColor(Qt::black) : QColor(Qt::white);
    palette.setColor(QPalette::Window, background);
    m_preview->setPalette(palette);
}
