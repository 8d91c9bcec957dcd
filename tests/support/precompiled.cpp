// The precompiled headers of a test folder are made with this file, which has nothing of its own.
