#include "frmZavolin.h"

#include "resources/ProgramResources.h"
#include "ui_frmZavolin.h"

namespace zavolin {

frmZavolin::frmZavolin(QWidget* parent)
    : QMainWindow(parent)
    , m_ui(std::make_unique<Ui::frmZavolin>()) {
    // The definition's pictures come from the resources; they must be registered first.
    initProgramResources();
    m_ui->setupUi(this);

    // A window definition cannot mark a named action as a separator line.
    m_ui->mnuBar6->setSeparator(true);

    // The definition carries the small icon; add the large one for task switchers and docks.
    QIcon icon = windowIcon();
    icon.addFile(QStringLiteral(":/images/zavolin-64.png"));
    setWindowIcon(icon);
}

frmZavolin::~frmZavolin() = default;

void frmZavolin::Form_Load() {
    show();
}

} // namespace zavolin
