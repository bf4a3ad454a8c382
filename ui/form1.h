// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#pragma once

#include "zifrano_product.h"

#include <QMainWindow>

class QAction;
class QDropEvent;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPoint;
class QPushButton;

namespace zifrano::ui {

class Platform;
class ShrinkingLabel;
class WordingAnnouncer;

/// The program's one window: the amount field, its two wordings, the commands and the menus.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    /// The client area below the menu bar.
    static constexpr QSize kClientSize{product::kClientWidth, product::kClientHeight};

    explicit Form1(Platform& platform, QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private Q_SLOTS:
    // The amount field and the window itself.
    void Text1_Change();
    void Text1_Click();
    void Form_Click();
    void Form_Activate();

    // The commands.
    void Command1_Click();
    void Command4_Click();
    void Command3_Click();
    void MenuInfo_Click();
    void Command2_Click();
    void MenuEsci_Click();
    void MenuMail_Click();
    void MenuPHP_Click();
    void Picture1_Click();

private:
    // Building the window.
    void createControls(QWidget* client);
    void createPictures(QWidget* client);
    void createButtons(QWidget* client);
    void createField(QWidget* client);
    void createLabels(QWidget* client);
    void createMenus();
    /// Fixed backgrounds with text readable on them, under the system's current palette.
    void applyColours();
    void connectHandlers();

    /// The limit test, before the key acts: true when the key is refused.
    bool Text1_KeyDown(const QKeyEvent& key);
    /// The character a typed key inserts, which the handler may change.
    void Text1_KeyPress(QChar& keyAscii);
    /// Runs a key typed into Text1 through the two key handlers; true when it was dealt with.
    bool handleText1Key(const QKeyEvent& key);
    /// Keys and mouse buttons on Text1; true when the field is not to see the event.
    bool filterText1(QEvent* event);
    /// A middle click's paste of the X primary selection into Text1.
    void pasteSelection();
    /// Every paste into Text1, by key, menu, middle click or drop: `pasted` read as an amount
    /// where it is one, and the limit test.
    void pasteIntoText1(const QString& pasted);
    /// Text1's context menu, at the screen point `at`.
    void showText1Menu(const QPoint& at);
    /// Text dropped on Text1 from elsewhere; false when the field is to handle the drop itself.
    bool dropIntoText1(QDropEvent& drop);
    /// Whether the number in `text` is above the largest amount the instruction line invites,
    /// where typing stops (larger amounts are still worded).
    static bool aboveLimit(const QString& text);
    /// The text Text1 would hold once `inserted` replaced its selection or went in at the caret.
    QString textAfterInsert(const QString& inserted) const;
    /// The limit test of what a key or paste would insert: true, with a beep, when it is refused.
    bool refusesInsert(const QString& inserted);
    /// Tells a screen reader the euro wording now shown, while the focus stays in Text1.
    void announceWording();

    void selectWholeText();
    void moveToScaleOrigin();
    void copyWording(const QString& copied, bool& noticeShown);

    Platform& m_platform;

    // Controls and menu entries, under the names their events are handled by.
    QLabel* Picture3 = nullptr;       // the pointer image, never shown
    QPushButton* Command4 = nullptr;  // "Copia": the whole-amount wording to the clipboard
    QLabel* Picture1 = nullptr;       // the author's logo, a link to the web page
    QPushButton* Command3 = nullptr;  // "Informazioni": the about box
    QPushButton* Command2 = nullptr;  // "Fine": ends the program
    QPushButton* Command1 = nullptr;  // "Copia nella clipboard in €": the euro wording
    QLineEdit* Text1 = nullptr;       // the amount field
    QLabel* Label5 = nullptr;         // "L.", before the whole-amount wording
    QLabel* Label4 = nullptr;         // "€", before the euro wording
    ShrinkingLabel* Label3 = nullptr; // the whole-amount wording
    QLabel* Label2 = nullptr;         // the instruction line
    ShrinkingLabel* Label1 = nullptr; // the euro wording

    // Unseen: what a screen reader speaks of each new euro wording.
    WordingAnnouncer* m_announcer = nullptr;

    QAction* MenuEsci = nullptr; // File > Esci
    QAction* MenuMail = nullptr; // ? > Scrivi all'autore
    QAction* MenuPHP = nullptr;  // ? > Visita la pagina dell'autore
    QAction* MenuInfo = nullptr; // ? > Info su ZIFRANO

    // Whether each copy button has shown its one-time notice in this run.
    bool AvvisatoEuro = false;
    bool AvvisatoLire = false;
    // Whether the labels show "Importo fuori limite" in place of the wordings.
    bool m_outOfRange = false;

    bool m_activatedOnce = false;
};

} // namespace zifrano::ui
