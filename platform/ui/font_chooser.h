#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>

class QCheckBox;
class QDoubleSpinBox;
class QFontComboBox;
class QLabel;
class QPushButton;

// A font dialog offering what the text box can show: face, point size,
// bold, italic, underline, strikeout and the text colour, with a preview.
class FontChooser : public QDialog
{
    Q_OBJECT
public:
    // The preview shows the text colour on `background`, the text box's own
    // background; without one, on black or white, whichever reads better.
    FontChooser(const QFont &font, const QColor &colour, QWidget *parent = nullptr,
                const QColor &background = QColor());

    // Bold is the weight 700 (QFont::Bold) or the regular 400.
    QFont selectedFont() const;
    QColor selectedColour() const;

    QFontComboBox *faceBox() const { return m_face; }
    QDoubleSpinBox *sizeBox() const { return m_size; }
    QCheckBox *boldBox() const { return m_bold; }
    QCheckBox *italicBox() const { return m_italic; }
    QCheckBox *underlineBox() const { return m_underline; }
    QCheckBox *strikeOutBox() const { return m_strikeOut; }
    QLabel *preview() const { return m_preview; }
    QPushButton *colourButton() const { return m_colourButton; }
    void setColour(const QColor &colour);

private:
    void updatePreview();

    QFontComboBox *m_face;
    QDoubleSpinBox *m_size;
    QCheckBox *m_bold;
    QCheckBox *m_italic;
    QCheckBox *m_underline;
    QCheckBox *m_strikeOut;
    QPushButton *m_colourButton;
    QLabel *m_preview;
    QColor m_colour;
    QColor m_background;
};
