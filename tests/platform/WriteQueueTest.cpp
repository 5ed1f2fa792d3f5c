#include <gtest/gtest.h>

#include "TestSupport.h"
#include "platform/WriteQueue.h"

// Writes made off the frame land as if each had been made where it was asked for: in order,
// the newest content of each file and each key, all of it on disk once the queue is stopped.
TEST(WriteQueue, WritesLandInOrderAndAllBeforeTheWayOut) {
    TempDir dir;
    for (const bool threaded : {false, true}) {
        SCOPED_TRACE(threaded);
        if (threaded) WriteQueue::start();
        for (int round = 0; round < 50; ++round) {
            const std::string n = std::to_string(round);
            WriteQueue::replaceFile("save.save", "1 2 Level.txt " + n);
            WriteQueue::setProfileString("Sound", "Music_Volume", "0." + n, "config.ini");
            WriteQueue::setProfileString("Sound", "Sound_Volume", n, "config.ini");
            WriteQueue::replaceFile("save.save", "3 4 Level2.txt " + n);
            WriteQueue::waitForWrites();
            ASSERT_EQ(dir.read("save.save"), "3 4 Level2.txt " + n);
            ASSERT_EQ(dir.read("config.ini"), "[Sound]\nMusic_Volume=0." + n + "\nSound_Volume=" + n + "\n");
        }
        WriteQueue::replaceFile("save.save", "last");
        WriteQueue::stop();
        EXPECT_EQ(dir.read("save.save"), "last");
        std::filesystem::remove("config.ini");
    }
}
