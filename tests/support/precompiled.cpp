// The tests' precompiled headers are made with this file, which has nothing of its own.
