#pragma once
// The single entry into the help system: a help file opened at its default
// topic or at a context number. The file is the help set of the language in
// use (the one the viewer was set with) unless the caller names another one.

#include <functional>
#include <string>

class QWidget;

// Property holding a widget's control id: the help context of F1 while the
// widget has the focus.
inline constexpr char kControlIdProperty[] = "controlId";

enum class HelpCommand { DisplayTopic = 0, HelpContext = 15 };

class HelpService {
public:
    using Handler = std::function<void(HelpCommand command, int data, const std::string& file)>;

    // Opens the help file at its default topic (Help Topics).
    static void DisplayTopic(QWidget* owner, const std::string& file = {});
    // Opens the help file at a context number (F1 on a control or a command).
    static void ShowContext(QWidget* owner, int contextId, const std::string& file = {});

    // The program's help viewer, told the window that asks as well, and the
    // help set of the program's language, which a request naming no file
    // opens; without a viewer a request does nothing.
    using Viewer =
        std::function<void(QWidget* owner, HelpCommand command, int data, const std::string& file)>;
    static void SetViewer(Viewer viewer, std::string languageFile = {});
    // Observes help requests instead of the viewer (tests); an empty handler
    // restores the viewer.
    static void SetHandler(Handler handler);
};
