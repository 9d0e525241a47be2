namespace pendara {}
