namespace vernik {}
