// TOptionsTabs: the options dialog's page control: owner-drawn tabs down the left side and the page beside them.
#pragma once

#include <functional>
#include <vector>

#include <QFrame>

namespace skrivo {

// Tabs are kTabHeight wide and kTabWidth high, one under another, each
// showing its caption (set by the dialog in the current language) with the
// accelerator letter underlined; the active tab is bold and shifted.
class TOptionsTabs final : public QFrame {
    Q_OBJECT
public:
    static constexpr int kTabHeight = 96;  // across, as the tabs stand on their side
    static constexpr int kTabWidth = 21;   // down

    explicit TOptionsTabs(QWidget* parent);

    // The page takes the area right of the tabs.
    void AddPage(QWidget* page);
    int Count() const { return static_cast<int>(pages_.size()); }
    QWidget* Page(int index) const;
    int ActiveIndex() const { return active_; }
    void SetActiveIndex(int index);
    // The tab's caption with "&" before its accelerator letter.
    void SetTabCaption(int index, const QString& caption);
    QString TabCaption(int index) const;
    QRect TabRect(int index) const;
    QRect PageRect() const;
    std::function<void(int)> OnChange;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Tab {
        QWidget* page;
        QString caption;
    };
    std::vector<Tab> pages_;
    int active_ = -1;
};

}  // namespace skrivo
