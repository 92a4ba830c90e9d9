#pragma once
// The single entry into the help system: the help set of the language in use
// (g_strHelpFile), opened at its default topic or at a context number.

#include <functional>

class QWidget;

// Property holding a widget's control id: the help context of F1 while the
// widget has the focus.
inline constexpr char kControlIdProperty[] = "controlId";

enum class HelpCommand { DisplayTopic = 0, HelpContext = 15 };

class HelpService {
public:
    using Handler = std::function<void(HelpCommand command, int data)>;

    // Opens the help at its default topic (Help Topics).
    static void DisplayTopic(QWidget* owner);
    // Opens the help at a context number (F1 on a control or a command).
    static void ShowContext(QWidget* owner, int contextId);

    // Observes help requests instead of opening a viewer (tests); an empty
    // handler restores the viewer.
    static void SetHandler(Handler handler);
};
