#pragma once

#include <QMainWindow>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace zifrano::ui {

class Platform;
class ShrinkingLabel;

/// The program's one window: the amount field, its two wordings, the commands and the menus.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    /// The client area below the menu bar, in logical pixels (7620 x 1605 twips).
    static constexpr QSize kClientSize{508, 107};

    explicit Form1(Platform& platform, QWidget* parent = nullptr);

private:
    void createControls(QWidget* client);
    void createMenus();
    QPushButton* createButton(QWidget* client, const char* name, const char* caption,
                              const QRect& geometry, const char* hint);
    QLabel* createLabel(QWidget* client, const char* name, const QString& caption,
                        const QRect& geometry);

    Platform& m_platform;

    // Controls and menu entries, under the names their events are handled by.
    QLabel* Picture3 = nullptr;
    QPushButton* Command4 = nullptr;
    QLabel* Picture1 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label4 = nullptr;
    ShrinkingLabel* Label3 = nullptr;
    QLabel* Label2 = nullptr;
    ShrinkingLabel* Label1 = nullptr;

    QMenu* MenuFile = nullptr;
    QAction* MenuEsci = nullptr;
    QMenu* MenuPI = nullptr;
    QAction* MenuMail = nullptr;
    QAction* MenuPHP = nullptr;
    QAction* menuMeno = nullptr;
    QAction* MenuInfo = nullptr;

    // Whether each copy button has shown its one-time notice in this run.
    bool AvvisatoEuro = false;
    bool AvvisatoLire = false;
};

} // namespace zifrano::ui
