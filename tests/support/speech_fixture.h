#pragma once

// The speech controller over the window's speech widgets alone, for the
// tests that read aloud with the real engines.

#include "app/speech_panel.h"
#include "sapi5/sp_voice.h"
#include "speech/speech_controller.h"
#include "ui/image_button.h"
#include "ui/position_slider.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QWidget>

#include <memory>

// The window's speech widgets, without the rest of the window, with both
// engines' voices listed.
struct SpeechFixture
{
    QWidget window;
    SpeechWidgets w;
    std::unique_ptr<SpeechPanel> panel;
    std::unique_ptr<SpeechController> speech;

    SpeechFixture()
    {
        w.MainTxtBox = new QPlainTextEdit(&window);
        w.Combo1 = new QComboBox(&window);
        w.Combo1->setEditable(true);
        w.Text1 = new QLineEdit(&window);
        w.Image4 = new ImageButton(&window);
        w.Image5 = new ImageButton(&window);
        w.Image6 = new ImageButton(&window);
        for (QScrollBar **bar : {&w.VScroll1, &w.VScroll2, &w.VScroll3}) {
            *bar = new QScrollBar(Qt::Vertical, &window);
            (*bar)->setRange(0, 100);
        }
        w.VScroll1->setValue(100);
        w.Label1 = new QLabel(&window);
        w.Label3 = new QLabel(&window);
        w.Label5 = new QLabel(&window);
        w.cpvSlider1 = new PositionSlider(&window);
        panel = std::make_unique<SpeechPanel>(w);
        speech = std::make_unique<SpeechController>(*panel);
        speech->GetEngines4();
        speech->createNewsVoice();
        speech->createWaveVoice();
        speech->GetEngines5();
    }

    // engine 4: flite's 8 kHz voice, quick to render; engine 5: espeak-ng English.
    void choose(int engine)
    {
        if (engine == 4) {
            for (int i = 0; i < speech->sapi4Count(); ++i) {
                if (w.Combo1->itemText(i).contains(QLatin1String("Kal"), Qt::CaseInsensitive)) {
                    speech->setVoiceListPosition(i);
                    return;
                }
            }
            speech->setVoiceListPosition(0);
            return;
        }
        const QList<SpObjectToken> tokens = speech->newsVoice()->GetVoices();
        for (int i = 0; i < tokens.size(); ++i) {
            if (tokens.at(i).Id() == QLatin1String("en-us") || tokens.at(i).Language() == QLatin1String("en-us")) {
                speech->setVoiceListPosition(speech->sapi4Count() + i);
                return;
            }
        }
        speech->setVoiceListPosition(speech->sapi4Count());
    }

    void setText(const QString &text, int caret)
    {
        w.MainTxtBox->setPlainText(text);
        QTextCursor cursor = w.MainTxtBox->textCursor();
        cursor.setPosition(caret);
        w.MainTxtBox->setTextCursor(cursor);
    }

};
