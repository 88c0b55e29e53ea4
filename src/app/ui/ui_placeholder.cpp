// Keeps the window library non-empty until its first window lands.
