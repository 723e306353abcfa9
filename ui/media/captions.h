#pragma once
// The texts a child sees, set from a two-letter language code. English and
// Romanian are complete; French, German, Italian and Spanish translate only
// the page picker's title.
#include <QString>

namespace pintaloo {

class MainWindow;

class Captions {
public:
    explicit Captions(MainWindow& w) : w_(w) {}
    void SetLanguage(const QString& code);

private:
    MainWindow& w_;
};

}  // namespace pintaloo
