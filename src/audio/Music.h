#pragma once

// The music a screen or a level asks for; Unchanged leaves whatever plays.
enum class Music { Title, Level1, Level2, Level3, Level4, Level5, Unchanged };
