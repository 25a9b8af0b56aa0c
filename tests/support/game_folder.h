#pragma once
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

// A throw-away game folder with an empty data/ inside, made the working
// directory for the life of the object (the game reads its files from there).
class GameFolder {
public:
    GameFolder();
    ~GameFolder();
    GameFolder(const GameFolder&) = delete;
    GameFolder& operator=(const GameFolder&) = delete;

    std::filesystem::path Root() const { return root_; }
    std::filesystem::path Data() const { return root_ / "data"; }
    void Write(const std::string& name, std::string_view bytes) const;
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;
    // Copies the delivered data/ of the source tree into this folder.
    void CopyDeliveredData() const;

private:
    std::filesystem::path root_;
    std::filesystem::path previous_;
};

// The source tree's delivered data/ folder.
std::filesystem::path DeliveredData();

// Runs `work` and says whether it was done within `patience`. Should it wait
// on the FIFO at `fifo` for a writer, one comes by once the patience is over
// and lets it go, so that a wait fails the test instead of stopping the run.
bool DoneWithoutWaitingOn(const std::filesystem::path& fifo, const std::function<void()>& work,
                          std::chrono::milliseconds patience = std::chrono::seconds(2));
